#pragma once
// One running monitor: its variant, the window layer and clock it uses, and all of
// its state. The program owns one; a test can build as many as it likes.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/controller_state.h"
#include "monitor/price_data.h"
#include "monitor/ranking_state.h"
#include "monitor/shown_state.h"
#include "monitor/state.h"
#include "monitor/trade_state.h"
#include "monitor/variants.h"
#include "text/clock.h"
#include "window/window_layer.h"

namespace fx {

struct Monitor {
    // executablePath gives programDirectory; workingFolder is where bare file names
    // (history files, start-up real-time files) are looked for: "" is the process's
    // current folder, anything else must end with a path separator. Saved logs go to
    // saveFolder, the working folder when none is given.
    Monitor(const Variant& variant, WindowLayer& layer, const Clock& clock,
            std::string_view executablePath, std::string workingFolder = "",
            std::optional<std::filesystem::path> saveFolder = std::nullopt)
        : variant(variant),
          layer(layer),
          clock(clock),
          saveFolder(saveFolder ? std::move(*saveFolder) : std::filesystem::path(workingFolder)),
          workingFolder(std::move(workingFolder)),
          state(initialProgramState(variant, executablePath)) {}

    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    std::string workingPath(std::string_view fileName) const {
        return workingFolder + std::string(fileName);
    }

    const Variant& variant;
    WindowLayer& layer;
    const Clock& clock;
    // A path, not a text: the Windows program gives its start folder in wide characters,
    // whatever script its name is in.
    std::filesystem::path saveFolder;
    std::string workingFolder;

    ProgramState state;
    PriceData prices;
    RankingState ranking;
    ControllerState controller;
    TradeState trade;
    ShownState shown;
    WindowId mainWindow = noWindow;
    WindowId optionsWindow = noWindow;
    // The first line of a pair's real-time file, by PairTable index: when set, nothing
    // reads the real files; the replay and the soak supply recorded lines (nothing
    // returned: the file is missing). The text need last only until the next call.
    std::function<std::optional<std::string_view>(int pair)> realtimeFirstLine;
};

}  // namespace fx
