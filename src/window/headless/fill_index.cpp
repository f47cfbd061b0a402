#include "window/headless/fill_index.h"

#include <algorithm>
#include <bit>

namespace fx {

namespace {
constexpr std::size_t firstCapacity = 64;
}  // namespace

std::size_t FillIndex::firstSlot(std::uint64_t rectangle) const {
    const int bits = std::countr_zero(entries_.size());
    return static_cast<std::size_t>((rectangle * 0x9E3779B97F4A7C15u) >> (64 - bits));
}

std::size_t& FillIndex::findOrAdd(std::uint64_t rectangle, std::size_t position, bool& added) {
    if ((count_ + 1) * 2 > entries_.size()) rebuild(std::max(firstCapacity, entries_.size() * 2));
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t slot = firstSlot(rectangle);; slot = (slot + 1) & mask) {
        Entry& entry = entries_[slot];
        if (entry.rectangle == rectangle) {
            added = false;
            return entry.position;
        }
        if (entry.rectangle == 0) {
            entry = {rectangle, position};
            ++count_;
            added = true;
            return entry.position;
        }
    }
}

void FillIndex::clear() {
    if (count_ == 0) return;
    std::fill(entries_.begin(), entries_.end(), Entry{});
    count_ = 0;
}

void FillIndex::renumber(const std::vector<std::size_t>& renumbered) {
    for (Entry& entry : entries_)
        if (entry.rectangle != 0) entry.position = renumbered[entry.position];
    rebuild(entries_.size());
}

// Puts the kept entries, without the dropped ones, into a table of the given size.
void FillIndex::rebuild(std::size_t capacity) {
    kept_.clear();
    for (const Entry& entry : entries_)
        if (entry.rectangle != 0 && entry.position != npos) kept_.push_back(entry);
    entries_.assign(capacity, Entry{});
    count_ = 0;
    bool added = false;
    for (const Entry& entry : kept_) findOrAdd(entry.rectangle, entry.position, added);
}

}  // namespace fx
