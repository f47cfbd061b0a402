#pragma once
// The soak session's user on the headless layer.

#include "soak/soak_session.h"
#include "window/headless/headless_layer.h"

namespace fx::soak {

class HeadlessSoakUser final : public SoakUser {
public:
    explicit HeadlessSoakUser(HeadlessLayer& layer) : layer_(layer) {}

    void click(WindowId window, int controlId) override { layer_.click(window, controlId); }
    void choose(WindowId window, int listId, int position) override {
        layer_.choose(window, listId, position);
    }
    void chooseMenu(WindowId window, int menuId) override { layer_.chooseMenu(window, menuId); }
    bool tick(Monitor& monitor) override;
    void chooseFileNext(const std::string& path) override { layer_.queueFileChoice(path); }
    // Also forgets the layer's other records, which a long run does not need.
    std::vector<std::string> takeMessageCaptions() override;

private:
    HeadlessLayer& layer_;
};

// About what the log's rows take on the heap, estimated from their texts as a list that
// keeps each row as three strings would hold them.
long long logRowBytes(WindowLayer& layer, const Monitor& monitor);

}  // namespace fx::soak
