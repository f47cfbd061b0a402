#pragma once
// The rows of a headless report list, top row first. Each row keeps its cells in one
// block: the cells' end offsets, then their texts. A log of 100,000 rows is then read
// front to back with one memory block a row, which "Save Log" does at the speed of a
// plain copy rather than of three pointer chases a row.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>

namespace fx {

class HeadlessRows {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    // A new top row of `columns` cells (at least one): the first holds the text, the
    // others are empty.
    void insertAtTop(std::size_t columns, std::string_view firstCell);
    std::size_t columns(std::size_t row) const { return rows_[row].columns; }
    std::string_view cell(std::size_t row, std::size_t column) const;
    // Every cell of the row at once, as many as `cells` holds; cells past the row's own
    // are empty.
    void cellsOf(std::size_t row, std::span<std::string_view> cells) const;
    void setCell(std::size_t row, std::size_t column, std::string_view text);
    // Drops the bottom (oldest) row.
    void dropBottom() { rows_.pop_back(); }
    void clear() { rows_.clear(); }
    // The block that holds the row's cells (for memory accounting).
    const std::string& storage(std::size_t row) const { return rows_[row].block; }
    // Ask the memory for a row's place in the list, and for its block, ahead of reading.
    void prefetchPlace(std::size_t row) const { __builtin_prefetch(&rows_[row]); }
    void prefetchBlock(std::size_t row) const { __builtin_prefetch(rows_[row].block.data()); }

private:
    using Offset = std::uint32_t;
    struct Row {
        std::string block;  // `columns` end offsets into the texts, then the texts
        std::size_t columns = 0;
    };
    static std::string_view cellOf(const Row& row, std::size_t column);

    std::deque<Row> rows_;
};

}  // namespace fx
