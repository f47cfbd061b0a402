#include "soak/headless_soak_user.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "monitor/event_log.h"
#include "monitor/main_window.h"

namespace fx::soak {

namespace {

// A block of `size` bytes from the C library's allocator: its header, rounded up.
long long heapBlock(std::size_t size) {
    const std::size_t block = (size + 8 + 15) & ~static_cast<std::size_t>(15);
    return static_cast<long long>(block < 32 ? 32 : block);
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

long long logRowBytes(WindowLayer& layer, const Monitor& monitor) {
    // A text of up to 15 characters lives inside its string; a row's three strings sit in
    // one block, held by a vector whose own place in the list's nodes (of 512 bytes, 21
    // places each, with a pointer in the node map) comes to some 26 bytes a row.
    constexpr long long rowPlace = 26;
    long long bytes = 0;
    layer.forEachRow(monitor.mainWindow, mainwin::eventLogList, eventLogColumnCount,
                     [&bytes](std::span<const std::string_view> cells) {
                         bytes += rowPlace +
                                  heapBlock(cells.size() * sizeof(std::string));
                         // A string that outgrows its 15 inner characters takes
                         // room for at least twice as many.
                         for (std::string_view cell : cells)
                             if (cell.size() > 15)
                                 bytes += heapBlock(std::max<std::size_t>(cell.size(), 30) + 1);
                     });
    return bytes;
}

}  // namespace fx::soak
