#pragma once
// A started headless monitor whose prices the ranking tests set in memory, pair by
// group position (0 to 6 the buy group, 7 to 13 the sell group), before running
// rankPairs themselves.

#include <array>
#include <string>
#include <vector>

#include "monitor/main_window.h"
#include "monitor/options_window.h"
#include "ranking/ranking.h"
#include "support/headless_monitor.h"

namespace fxtest {

inline constexpr fx::Colour windowColour = fx::rgb(204, 204, 153);
inline constexpr fx::Colour upArrowColour = fx::rgb(34, 139, 34);
inline constexpr fx::Colour downArrowColour = fx::rgb(238, 0, 0);

inline const std::array<fx::VariantId, 3> allVariants = {fx::VariantId::V17, fx::VariantId::V17b,
                                                         fx::VariantId::V17c};

class RankingBench {
public:
    explicit RankingBench(fx::VariantId id = fx::VariantId::V17b) : h(id) {
        h.writeData(3);
        h.start();
        seenLogRows = h.logDescriptions().size();
    }

    HeadlessMonitor h;

    fx::Monitor& monitor() { return h.monitor(); }
    fx::HeadlessLayer& layer() { return h.layer; }
    static int pairAt(int groupPosition) { return fx::pairGroupOrder[groupPosition]; }
    std::string groupSymbol(int groupPosition) const { return h.symbol(pairAt(groupPosition)); }
    static bool isJpy(const std::string& symbol) { return symbol.ends_with("JPY"); }

    // The reference day is row 0 until a test chooses another.
    void setPrices(int groupPosition, float reference, float current) {
        const int pair = pairAt(groupPosition);
        monitor().prices.priceHistory[pair][0].price = reference;
        monitor().prices.currentPrice[pair] = current;
    }

    // Prices that give each pair the wanted move, oriented by its group, from round
    // reference prices (100 for yen pairs, 1 for the others).
    void setMoves(const std::array<int, fx::pairCount>& moves) {
        for (int g = 0; g < fx::pairCount; ++g) {
            const bool jpy = isJpy(groupSymbol(g));
            const double reference = jpy ? 100.0 : 1.0;
            const double perPip = jpy ? 0.01 : 0.0001;
            const double sign = g < fx::buyGroupSize ? 1.0 : -1.0;
            setPrices(g, static_cast<float>(reference),
                      static_cast<float>(reference + sign * moves[g] * perPip));
        }
    }

    void rank() { fx::rankPairs(monitor()); }

    void rankWithMoves(const std::array<int, fx::pairCount>& moves) {
        setMoves(moves);
        rank();
    }

    std::vector<std::string> slotSymbols() {
        std::vector<std::string> symbols;
        for (int s = 0; s < fx::pairCount; ++s) symbols.push_back(h.slotPair(s));
        return symbols;
    }

    // The log rows written since the last call, oldest first.
    std::vector<std::string> newLogLines() {
        const std::vector<std::string> all = h.logDescriptions();
        std::vector<std::string> lines(all.rbegin() + static_cast<long>(seenLogRows), all.rend());
        seenLogRows = all.size();
        return lines;
    }

    // Switches an alert on as a user would leave it, without going through the dialog.
    void switchOn(int checkBoxId, const std::string& sound = "") {
        layer().setChecked(h.optionsWindow(), checkBoxId, true);
        layer().setControlText(h.optionsWindow(), fx::optwin::soundBoxOf(checkBoxId), sound);
    }

    bool optionChecked(int checkBoxId) { return layer().isChecked(h.optionsWindow(), checkBoxId); }

private:
    std::size_t seenLogRows = 0;
};

}  // namespace fxtest
