#pragma once
// fxmonitor-check's reports of a folder check: readable text, or one CSV row per pair.

#include <ostream>

#include "datatools/folder_check.h"

namespace fx::datatools {

void writeCheckReport(std::ostream& out, const FolderCheck& check, const CheckVerdict& verdict);
void writeCheckCsv(std::ostream& out, const FolderCheck& check);

}  // namespace fx::datatools
