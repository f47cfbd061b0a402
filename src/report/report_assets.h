#pragma once
// The files a report carries inside itself, built into the program from
// third_party/uplot/ (the charting library, pinned) and this folder (the page's own
// script and style).

#include <string_view>

namespace fx::report_assets {

extern const std::string_view uplotScript;
extern const std::string_view uplotStyle;
extern const std::string_view uplotLicense;
extern const std::string_view pageScript;
extern const std::string_view pageStyle;

}  // namespace fx::report_assets
