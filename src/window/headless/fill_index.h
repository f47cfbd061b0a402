#pragma once
// The latest pending fill of each rectangle, by packed rectangle: the image looks one up
// for every fill, some ten a tick. An open-addressing table with a multiplicative hash,
// since a general map spends most of a lookup dividing by its bucket count.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fx {

class FillIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // The position kept for the rectangle; a rectangle not yet kept gets `position`, and
    // `added` says so.
    std::size_t& findOrAdd(std::uint64_t rectangle, std::size_t position, bool& added);
    void clear();
    // Each kept position p becomes renumbered[p]; rectangles whose new position is npos
    // are dropped.
    void renumber(const std::vector<std::size_t>& renumbered);

private:
    // A packed rectangle is never 0: its width is at least 1.
    struct Entry {
        std::uint64_t rectangle = 0;
        std::size_t position = 0;
    };
    std::size_t firstSlot(std::uint64_t rectangle) const;
    void rebuild(std::size_t capacity);

    std::vector<Entry> entries_;  // a power of two long, at most half full
    std::size_t count_ = 0;
    std::vector<Entry> kept_;  // rebuild's working room
};

}  // namespace fx
