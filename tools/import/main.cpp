// fxmonitor-import: turns trading terminals' price exports into the monitor's history files.

#include <iostream>
#include <string>
#include <vector>

#include "datatools/import_command.h"

int main(int argc, char** argv) {
    return fx::datatools::importCommand(
        std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), std::cout, std::cerr);
}
