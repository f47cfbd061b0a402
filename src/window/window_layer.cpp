#include "window/window_layer.h"

#include <vector>

namespace fx {

void WindowLayer::forEachRow(WindowId window, int id, int columns, const RowVisitor& visit) {
    if (columns <= 0) return;
    const int rows = rowCount(window, id);
    std::vector<std::string> texts(static_cast<std::size_t>(columns));
    std::vector<std::string_view> cells(static_cast<std::size_t>(columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            texts[column] = cellText(window, id, row, column);
            cells[column] = texts[column];
        }
        visit(cells);
    }
}

}  // namespace fx
