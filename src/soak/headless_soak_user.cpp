#include "soak/headless_soak_user.h"

#include "monitor/main_window.h"

namespace fx::soak {

namespace {

// A block of `size` bytes from the C library's allocator: its header, rounded up.
long long heapBlock(std::size_t size) {
    const std::size_t block = (size + 8 + 15) & ~static_cast<std::size_t>(15);
    return static_cast<long long>(block < 32 ? 32 : block);
}

bool onHeap(const std::string& text) {
    const char* data = text.data();
    const char* self = reinterpret_cast<const char*>(&text);
    return data < self || data >= self + sizeof text;
}

}  // namespace

bool HeadlessSoakUser::tick(Monitor& monitor) {
    return layer_.tick(monitor.mainWindow, mainwin::realTimeTimer);
}

std::vector<std::string> HeadlessSoakUser::takeMessageCaptions() {
    std::vector<std::string> captions;
    for (const MessageRecord& message : layer_.messages()) captions.push_back(message.caption);
    layer_.forgetRecords();
    return captions;
}

long long logRowBytes(HeadlessLayer& layer, const Monitor& monitor) {
    const HeadlessControl* list = layer.control(monitor.mainWindow, mainwin::eventLogList);
    if (!list) return 0;
    // A row's place in the list (its block's string and its column count) lies in one of
    // the list's nodes of 512 bytes, each with a pointer in the node map.
    constexpr long long place = sizeof(std::string) + sizeof(std::size_t);
    constexpr long long placesPerNode = 512 / place;
    const long long rows = static_cast<long long>(list->rows.size());
    long long bytes = rows * (heapBlock(placesPerNode * place) + 8) / placesPerNode;
    // And its block, when it outgrew the string.
    for (std::size_t row = 0; row < list->rows.size(); ++row) {
        const std::string& block = list->rows.storage(row);
        if (onHeap(block)) bytes += heapBlock(block.capacity() + 1);
    }
    return bytes;
}

}  // namespace fx::soak
