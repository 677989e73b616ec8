#include "tests/e2e/PlayChecks.h"

#include "themes/Theme.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

Region pressRegionOf(int slot)
{
    // The table counts y upwards with bounds inclusive; a region counts down
    // from the top and ends one past its last pixel.
    const PressRectangle& press = kPowerButtonFacts[slot].press;
    constexpr int kWindowSize = 800;
    return {press.left, kWindowSize - press.top, press.right + 1, kWindowSize - press.bottom + 1};
}

std::string assetDirectory()
{
    return std::string(HEXTOWER_SOURCE_DIR) + "/assets";
}

const Theme& shippedTheme(int index)
{
    static Theme themes[kThemeCount];
    static const bool loaded = loadThemes(themes, (assetDirectory() + "/themes.txt").c_str());
    (void)loaded;
    return themes[index];
}

int changedIn(const Screenshot& before, const Screenshot& after, Region r)
{
    return before.changedPixels(after, r.x0, r.y0, r.x1, r.y1);
}

int pixelsOfColor(const Screenshot& shot, Region r, PackedColor color)
{
    int count = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            count += near(shot.at(x, y), color);
    return count;
}

bool waitFor(const GameProcess& game, double seconds, const std::function<bool(const Screenshot&)>& condition)
{
    for (double waited = 0; waited < seconds; waited += 0.05) {
        if (condition(game.screenshot()))
            return true;
        pause(50);
    }
    return false;
}

int lowestTileY(const Screenshot& shot, PackedColor background, int middleX)
{
    int y = shot.area.height - 1;
    while (y > 0 && near(shot.at(middleX, y), background))
        --y;
    const int bottom = y;
    while (y > 0 && !near(shot.at(middleX, y), background))
        --y;
    return (bottom + y) / 2;
}

OneColorAssets::OneColorAssets()
{
    char pattern[] = "/tmp/hextower-e2e-XXXXXX";
    directory_ = mkdtemp(pattern);
    std::ifstream in(assetDirectory() + "/themes.txt");
    std::ofstream out(directory_ + "/themes.txt");
    std::string line;
    for (int index = 0; std::getline(in, line); ++index) {
        if (index == kStartTheme) {
            std::istringstream words(line);
            std::string name, r, g, b, rest;
            words >> name >> r >> g >> b;
            line = name;
            for (int i = 0; i < 6; ++i)
                line += " " + r + " " + g + " " + b;
            for (int i = 0; i < 15; ++i)
                words >> rest;  // the other five tile colours
            while (words >> rest)
                line += " " + rest;
        }
        out << line << "\n";
    }
    const std::string data = assetDirectory() + "/Data";
    if (symlink(data.c_str(), (directory_ + "/Data").c_str()) != 0)
        std::perror("symlink");
}

OneColorAssets::~OneColorAssets()
{
    std::remove((directory_ + "/Data").c_str());
    std::remove((directory_ + "/themes.txt").c_str());
    rmdir(directory_.c_str());
}
