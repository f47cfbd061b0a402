// fxmonitor-check: reads a data folder as the monitor would and reports what it finds.

#include <iostream>
#include <string>
#include <vector>

#include "datatools/check_command.h"

int main(int argc, char** argv) {
    return fx::datatools::checkCommand(
        std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), std::cout, std::cerr);
}
