// One real-time cycle of a headless monitor on first lines of any bytes, with all four
// alerts on and a buy basket open: a missing file shows its "Not Found" message and
// keeps its price; any other line moves the price only to parseNumber of the line,
// and only when that lies strictly between 0 and 500.
//
// The input is the fourteen files' contents, in PairTable order, separated by the
// byte 0x1E; a content of the single byte 0x18 is a missing file, and pairs past the
// last content are missing too. Each file's first line goes to the monitor's
// realtimeFirstLine seam, so nothing is written per input.

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "controller/main_window_events.h"
#include "fuzz_support.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/options_window.h"
#include "prices/price_files.h"
#include "text/numbers.h"
#include "text/text_file.h"
#include "window/headless/headless_layer.h"

namespace {

constexpr char fileSeparator = '\x1E';
constexpr std::string_view missingFile = "\x18";

bool sameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A monitor started on in-memory history: two complete rows at typical prices, the
// first chosen as reference day, real-time mode on, every alert on with a sound, and a
// buy basket open.
class Session {
public:
    Session() {
        fx::Monitor& m = monitor;
        fx::buildWindows(m);
        for (int k = 0; k < fx::pairCount; ++k) {
            const float price = m.state.PairTable[k].ends_with("JPY") ? 100.25f : 1.2345f;
            m.prices.priceHistory[k][0] = {"01-02-2008", price};
            m.prices.priceHistory[k][1] = {"01-03-2008", price * 1.01f};
            m.prices.currentPrice[k] = price;
        }
        m.prices.historyRowCount = 2;
        for (int row = 0; row < 2; ++row)
            layer.addListEntry(m.mainWindow, fx::mainwin::referenceDayCombo,
                               m.prices.priceHistory[7][row].date);
        layer.choose(m.mainWindow, fx::mainwin::referenceDayCombo, 0);
        layer.click(m.mainWindow, fx::mainwin::realTimeModeCheck);
        layer.click(m.mainWindow, fx::mainwin::buyButton);
        layer.choose(m.optionsWindow, fx::optwin::slotAlertPairCombo, 3);
        layer.choose(m.optionsWindow, fx::optwin::slotAlertSlotCombo, 0);
        switchAlertsOn();
        m.realtimeFirstLine = [this](int k) -> std::optional<std::string_view> {
            ++reads;
            if (!firstLines[k]) return std::nullopt;
            return *firstLines[k];
        };
    }

    // The pair-in-slot alert switches itself off when it fires; the others stay on.
    void switchAlertsOn() {
        for (int box : {fx::optwin::anchorAlertCheck, fx::optwin::biasAlertCheck,
                        fx::optwin::groupAlertCheck, fx::optwin::slotAlertCheck}) {
            if (layer.isChecked(monitor.optionsWindow, box)) continue;
            layer.queueFileChoice("alert.wav");
            layer.click(monitor.optionsWindow, box);
        }
    }

    fx::HeadlessLayer layer;
    fx::SettableClock clock{fx::LocalTime{2009, 3, 7, 14, 19, 5}};
    fx::Monitor monitor{fx::variant(fx::VariantId::V17b), layer, clock,
                        "C:\\fxmonitor\\fxmonitor-17b.exe"};
    std::array<std::optional<std::string>, fx::pairCount> firstLines;
    int reads = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Session session;
    fx::Monitor& monitor = session.monitor;
    const std::string_view bytes = fxfuzz::bytesOf(data, size);

    std::size_t at = 0;
    int missing = 0;
    for (int k = 0; k < fx::pairCount; ++k) {
        if (at > bytes.size()) {
            session.firstLines[k].reset();
            ++missing;
            continue;
        }
        const std::size_t end = std::min(bytes.find(fileSeparator, at), bytes.size());
        const std::string_view content = bytes.substr(at, end - at);
        at = end + 1;
        if (content == missingFile) {
            session.firstLines[k].reset();
            ++missing;
            continue;
        }
        const auto lines = fxfuzz::linesOf(content, fx::maxLineLength);
        session.firstLines[k] = lines.empty() ? std::string() : lines.front();
    }

    const std::array<float, fx::pairCount> before = monitor.prices.currentPrice;
    session.reads = 0;
    session.layer.forgetRecords();
    session.clock.advanceSeconds(1);
    fx::onRealTimeTick(monitor);

    fxfuzz::check(session.reads == fx::pairCount, "not every real-time file was read once");
    fxfuzz::check(static_cast<int>(session.layer.messages().size()) == missing,
                  "not one message per missing file");
    for (const fx::MessageRecord& message : session.layer.messages()) {
        fxfuzz::check(message.caption == "Not Found", "a message other than \"Not Found\"");
        fxfuzz::check(message.text.starts_with("Realtime file not found: C:\\fxmonitor\\"),
                      "the message does not name the file's full path");
    }
    for (int k = 0; k < fx::pairCount; ++k) {
        const float now = monitor.prices.currentPrice[k];
        fxfuzz::check(now > 0.0f && now < 500.0f, "a current price outside (0, 500)");
        if (!session.firstLines[k]) {
            fxfuzz::check(sameFloat(now, before[k]), "a missing file changed its price");
            continue;
        }
        const double read = fx::parseNumber(*session.firstLines[k]);
        if (!sameFloat(now, before[k]))
            fxfuzz::check(sameFloat(now, static_cast<float>(read)),
                          "the price is not parseNumber of the first line");
        if (read > 0.0 && read < 500.0 && static_cast<float>(read) < 500.0f &&
            static_cast<float>(read) > 0.0f)
            fxfuzz::check(sameFloat(now, static_cast<float>(read)), "a good price was not taken");
    }

    // The log and the records would otherwise grow with every input.
    session.layer.deleteAllRows(monitor.mainWindow, fx::mainwin::eventLogList);
    session.switchAlertsOn();
    return 0;
}
