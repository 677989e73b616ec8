#include "tests/game/RulesFixture.h"

#include "app/Frame.h"
#include "devlibs/play_driver/BoardChecks.h"
#include "devlibs/play_driver/PlayActions.h"
#include "game/Board.h"
#include "game/Clock.h"
#include "tests/support/GlWindow.h"

namespace {

const std::string kLetters = "RGBYPC";

PackedColor testColor(int theme, int index)
{
    return packColor(static_cast<std::uint8_t>(30 + 40 * index), static_cast<std::uint8_t>(10 * theme), 90);
}

void giveThemesTestColors()
{
    for (int t = 0; t < kThemeCount; ++t) {
        themes[t].tileColorCount = 0;
        for (int i = 0; i < kTileColorsPerTheme; ++i)
            themes[t].addTileColor(testColor(t, i));
    }
}

// Blank cells may keep a flag from a pick on empty space or a white flood;
// such flags mean nothing.
bool isBlank(const Tile& tile)
{
    return sameColor(tile.color, packColor(255, 255, 255)) && tile.column == 0 && tile.slot == 0;
}

}  // namespace

void RulesTest::SetUp()
{
    useGlWindow();  // tiles draw themselves
    giveThemesTestColors();
    clearGame();
    gamePhase = kPhaseWait;
}

void setColumn(int column, const std::string& letters)
{
    for (int s = 0; s < static_cast<int>(letters.size()); ++s) {
        Tile& tile = tiles[column][s];
        tile.clearAnimation();  // a blank cell may keep a vanished tile's state
        tile.colorIndex = static_cast<int>(kLetters.find(letters[s]));
        tile.color = themes[themeIndex].tileColors[tile.colorIndex];
        tile.setPosition(column, s);
    }
    tileCount[column] = pendingCount[column] = static_cast<int>(letters.size());
}

std::string columnText(int column)
{
    std::string text;
    for (int s = 0; s < tileCount[column]; ++s) {
        const Tile& tile = tiles[column][s];
        const bool themeColor = tile.colorIndex >= 0 && tile.colorIndex < kTileColorsPerTheme &&
                                sameColor(tile.color, themes[themeIndex].tileColors[tile.colorIndex]);
        text += themeColor ? kLetters[tile.colorIndex] : '?';
    }
    return text;
}

std::string restProblems()
{
    std::string problems;
    for (int c = 0; c < kColumns; ++c) {
        const std::string cell = " at " + std::to_string(c) + ",";
        for (int s = 0; s < tileCount[c]; ++s) {
            const Tile& tile = tiles[c][s];
            if (tile.column != c || tile.slot != s)
                problems += "misplaced" + cell + std::to_string(s) + ";";
            if (tile.marked != 0 || tile.selected || tile.fading || tile.sliding || tile.vanished)
                problems += "not at rest" + cell + std::to_string(s) + ";";
        }
        for (int s = tileCount[c]; s < kMarkerSlot; ++s)
            if (!isBlank(tiles[c][s]))
                problems += "not blank" + cell + std::to_string(s) + ";";
        if (!markerInPlace(c))
            problems += "marker changed" + cell + "19;";
        if (pendingCount[c] != tileCount[c])
            problems += "pending count differs" + cell + ";";
    }
    return problems;
}

void tick()
{
    runPhaseStep();
}

void frames(int count)
{
    for (int i = 0; i < count; ++i)
        drawScene();
}

int score()
{
    return numberDisplay.getValue();
}

bool anyMarked()
{
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            if (tiles[c][s].marked != 0)
                return true;
    return false;
}
