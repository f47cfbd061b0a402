#pragma once
// Text equality for the short texts a real-time cycle compares by the dozen (symbols,
// number boxes): texts of up to sixteen characters are compared inline, as two words
// that overlap in the middle, instead of through a library call.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace fx {

namespace detail {

template <typename Word>
bool sameEnds(const char* a, const char* b, std::size_t size) {
    Word a0, a1, b0, b1;
    std::memcpy(&a0, a, sizeof(Word));
    std::memcpy(&b0, b, sizeof(Word));
    std::memcpy(&a1, a + size - sizeof(Word), sizeof(Word));
    std::memcpy(&b1, b + size - sizeof(Word), sizeof(Word));
    return ((a0 ^ b0) | (a1 ^ b1)) == 0;
}

}  // namespace detail

inline bool sameText(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size()) return false;
    if (size > 16) return a == b;
    if (size >= 8) return detail::sameEnds<std::uint64_t>(a.data(), b.data(), size);
    if (size >= 4) return detail::sameEnds<std::uint32_t>(a.data(), b.data(), size);
    for (std::size_t i = 0; i < size; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace fx
