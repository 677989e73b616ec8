#include "devlibs/color_science/ThemeMeasures.h"

namespace {

WeakestPair weakestAmong(const Theme& theme, Vision vision, bool againstBackground)
{
    Lab seen[kTileColorsPerTheme + 1];
    for (int i = 0; i < kTileColorsPerTheme; ++i)
        seen[i] = labSeenAs(theme.tileColors[i], vision);
    seen[kBackgroundIndex] = labSeenAs(theme.backgroundColor, vision);

    WeakestPair weakest{1e9, 0, 0};
    for (int i = 0; i < kTileColorsPerTheme; ++i) {
        const int from = againstBackground ? kBackgroundIndex : i + 1;
        const int to = againstBackground ? kBackgroundIndex + 1 : kTileColorsPerTheme;
        for (int j = from; j < to; ++j) {
            const double difference = deltaE2000(seen[i], seen[j]);
            if (difference < weakest.difference)
                weakest = WeakestPair{difference, i, j};
        }
    }
    return weakest;
}

}  // namespace

WeakestPair weakestTilePair(const Theme& theme, Vision vision)
{
    return weakestAmong(theme, vision, false);
}

WeakestPair weakestTileAgainstBackground(const Theme& theme, Vision vision)
{
    return weakestAmong(theme, vision, true);
}

bool namedColorBlindSafe(const std::string& name)
{
    const std::string suffix = "Safe";
    return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}
