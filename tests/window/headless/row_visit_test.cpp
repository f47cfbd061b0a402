// forEachRow: the headless layer hands out its rows without copying them; what it
// hands out must be what the layer-neutral way, cell by cell, reads.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/headless/headless_layer.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows visited(fx::WindowLayer& layer, fx::WindowId window, int id, int columns, bool cellByCell) {
    Rows rows;
    auto collect = [&rows](std::span<const std::string_view> cells) {
        rows.emplace_back(cells.begin(), cells.end());
    };
    if (cellByCell) {
        layer.WindowLayer::forEachRow(window, id, columns, collect);
    } else {
        layer.forEachRow(window, id, columns, collect);
    }
    return rows;
}

TEST(RowVisitTest, RowsComeTopFirstAndMatchTheCellByCellReading) {
    fx::HeadlessLayer layer;
    const fx::WindowSpec layout = {
        {0, 0}, {300, 200}, fx::WindowFrame::FixedNoMinimise, true, false};
    const fx::WindowId window = layer.openWindow(layout, "t", nullptr);
    layer.createControl(window, {7, fx::ControlKind::ReportList, "", {0, 0, 100, 100}});
    for (const char* heading : {"Date", "Time", "Description"})
        layer.insertColumn(window, 7, heading, 50);
    layer.insertRowAtTop(window, 7, "03-07-2009");
    layer.setCellText(window, 7, 0, 1, "14:19:05");
    layer.setCellText(window, 7, 0, 2, "Started ZA Daderer");
    layer.insertRowAtTop(window, 7, "03-07-2009");
    layer.setCellText(window, 7, 0, 2, std::string(300, 'x'));

    const Rows expected = {{"03-07-2009", "", std::string(300, 'x')},
                           {"03-07-2009", "14:19:05", "Started ZA Daderer"}};
    EXPECT_EQ(visited(layer, window, 7, 3, false), expected);
    EXPECT_EQ(visited(layer, window, 7, 3, true), expected);
    // More columns than the list has read as empty cells, either way.
    EXPECT_EQ(visited(layer, window, 7, 4, false), visited(layer, window, 7, 4, true));
    EXPECT_TRUE(visited(layer, window, 99, 3, false).empty());
    EXPECT_TRUE(visited(layer, window, 99, 3, true).empty());
}

}  // namespace
