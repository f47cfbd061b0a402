// Wine's GetGuiResources always answers 0, so the soak watches the count of the one
// owner of GDI objects: no other file of the layer may make or delete one.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "win32_monitor.h"

namespace {

TEST(GdiObjectsTest, OnlyTheOwnerMakesOrDeletesGdiObjects) {
    const std::regex gdiCall(
        R"(\b(Create(SolidBrush|HatchBrush|PatternBrush|BrushIndirect|DIBPatternBrush(Pt)?)|)"
        R"(CreatePen(Indirect)?|CreateFont(Indirect)?(Ex)?[AW]?|CreateCompatible(Bitmap|DC)|)"
        R"(CreateBitmap(Indirect)?|CreateDIBSection|CreateDIBitmap|)"
        R"(Create(Rect|Elliptic|RoundRect|Polygon|PolyPolygon)Rgn(Indirect)?|)"
        R"(Create(DC|IC)[AW]?|DeleteObject|DeleteDC)\s*\()");
    int filesRead = 0;
    int ownerCalls = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(FX_WIN32_SOURCE_DIR)) {
        if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
        ++filesRead;
        std::stringstream text;
        text << std::ifstream(entry.path()).rdbuf();
        const std::string source = text.str();
        const auto calls = std::distance(
            std::sregex_iterator(source.begin(), source.end(), gdiCall), std::sregex_iterator());
        if (entry.path().filename() == "gdi_objects.cpp")
            ownerCalls = static_cast<int>(calls);
        else
            EXPECT_EQ(calls, 0) << entry.path().string();
    }
    EXPECT_GT(filesRead, 10);
    EXPECT_GE(ownerCalls, 6);  // the check sees the owner's own calls
}

}  // namespace
