#include "window/headless/headless_rows.h"

#include <algorithm>
#include <cstring>

namespace fx {

namespace {

using Offset = std::uint32_t;
constexpr std::size_t usualRowBytes = 63;

Offset endAt(const std::string& block, std::size_t column) {
    Offset end;
    std::memcpy(&end, block.data() + column * sizeof(Offset), sizeof end);
    return end;
}

void setEndAt(std::string& block, std::size_t column, Offset end) {
    std::memcpy(block.data() + column * sizeof(Offset), &end, sizeof end);
}

}  // namespace

void HeadlessRows::insertAtTop(std::size_t columns, std::string_view firstCell) {
    Row row;
    row.columns = columns == 0 ? 1 : columns;
    // Room for the cells that usually follow (a log row's time and description), so
    // the block is not moved as they come and a long log lies in memory in order.
    row.block.reserve(
        std::max<std::size_t>(row.columns * sizeof(Offset) + firstCell.size(), usualRowBytes));
    row.block.resize(row.columns * sizeof(Offset));
    row.block.append(firstCell);
    for (std::size_t c = 0; c < row.columns; ++c)
        setEndAt(row.block, c, static_cast<Offset>(firstCell.size()));
    rows_.push_front(std::move(row));
}

std::string_view HeadlessRows::cellOf(const Row& row, std::size_t column) {
    const std::size_t texts = row.columns * sizeof(Offset);
    const Offset start = column == 0 ? 0 : endAt(row.block, column - 1);
    return std::string_view(row.block).substr(texts + start, endAt(row.block, column) - start);
}

std::string_view HeadlessRows::cell(std::size_t row, std::size_t column) const {
    return cellOf(rows_[row], column);
}

void HeadlessRows::cellsOf(std::size_t rowIndex, std::span<std::string_view> cells) const {
    const Row& row = rows_[rowIndex];
    const char* texts = row.block.data() + row.columns * sizeof(Offset);
    Offset start = 0;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (column >= row.columns) {
            cells[column] = std::string_view();
            continue;
        }
        const Offset end = endAt(row.block, column);
        cells[column] = std::string_view(texts + start, end - start);
        start = end;
    }
}

void HeadlessRows::setCell(std::size_t rowIndex, std::size_t column, std::string_view text) {
    Row& row = rows_[rowIndex];
    const std::size_t texts = row.columns * sizeof(Offset);
    const Offset start = column == 0 ? 0 : endAt(row.block, column - 1);
    const Offset end = endAt(row.block, column);
    row.block.replace(texts + start, end - start, text);
    const auto grown = static_cast<std::int64_t>(text.size()) - (end - start);
    for (std::size_t c = column; c < row.columns; ++c)
        setEndAt(row.block, c, static_cast<Offset>(endAt(row.block, c) + grown));
}

}  // namespace fx
