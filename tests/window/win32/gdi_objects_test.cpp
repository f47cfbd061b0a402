// GDI objects: none made per message or per tick, and none made or deleted outside
// the one owner that counts them. Wine's GetGuiResources always answers 0, so the
// owner's count is what the leak test watches; on Windows it checks both.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

#include "win32_monitor.h"

namespace {

bool runningOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// Every call that makes or deletes a GDI object, by name.
const std::regex gdiCall(
    R"(\b(CreateSolidBrush|CreateHatchBrush|CreatePatternBrush|CreateBrushIndirect|)"
    R"(CreateDIBPatternBrush(Pt)?|CreatePen(Indirect)?|CreateFont(Indirect)?(Ex)?[AW]?|)"
    R"(CreateCompatibleBitmap|CreateCompatibleDC|CreateBitmap(Indirect)?|CreateDIBSection|)"
    R"(CreateDIBitmap|Create(Rect|Elliptic|RoundRect|Polygon|PolyPolygon)Rgn(Indirect)?|)"
    R"(CreateDC[AW]?|CreateIC[AW]?|DeleteObject|DeleteDC)\s*\()");

int gdiCallsIn(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    return static_cast<int>(std::distance(
        std::sregex_iterator(source.begin(), source.end(), gdiCall), std::sregex_iterator()));
}

TEST(GdiObjectsTest, OnlyTheOwnerMakesOrDeletesGdiObjects) {
    int filesRead = 0;
    int ownerCalls = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(FX_WIN32_SOURCE_DIR)) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h") continue;
        ++filesRead;
        const int calls = gdiCallsIn(entry.path());
        if (entry.path().filename() == "gdi_objects.cpp") {
            ownerCalls = calls;
        } else {
            EXPECT_EQ(calls, 0) << entry.path().string();
        }
    }
    EXPECT_GT(filesRead, 10);
    EXPECT_GE(ownerCalls, 6);  // the check sees the owner's own calls
}

}  // namespace
