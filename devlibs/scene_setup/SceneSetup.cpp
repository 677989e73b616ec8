#include "devlibs/scene_setup/SceneSetup.h"

#include "app/Frame.h"
#include "app/StartUp.h"
#include "game/Board.h"
#include "game/PowerUps.h"
#include "game/ThemeColors.h"
#include "game/Tile.h"

#include <cstdlib>

namespace {

// The group that fades on the fading board: three touching tiles at the front.
constexpr GridPos kFadingGroup[] = {{0, 1}, {0, 2}, {1, 1}};

// A new game's board in the chosen theme, `tilesPerColumn` high, its
// colours repeatable by seed; buttons and score in that theme's colours.
void layOutWithTheme(int tilesPerColumn, int theme, unsigned seed)
{
    themeIndex = theme;
    std::srand(seed);
    layOutBoard(tilesPerColumn);
    colorPiecesFromTheme();
}

void makeFadingGroupOneColor()
{
    const Theme& theme = themes[themeIndex];
    for (const GridPos& cell : kFadingGroup) {
        tiles[cell.column][cell.slot].colorIndex = 0;
        tiles[cell.column][cell.slot].color = theme.tileColors[0];
    }
}

// Starts the tile's fade so that its next draw is fade frame `frame`.
void fadeTo(Tile& tile, int frame)
{
    tile.startFade(kFadeArgument);
    tile.fadeElapsed = frame - 1;
}

// A fade that has ended: the tile is no longer drawn.
void vanish(Tile& tile)
{
    tile.color.a = 0;
    tile.vanished = true;
}

// Every tile and marker opaque in its column's colour; the models lose their
// materials, so that every object of a tile shows whose it is.  The buttons
// and the score take the background's colour, so that nothing but the tower
// can be mistaken for a column.
void paintByColumn()
{
    for (int c = 0; c < kColumns; ++c)
        for (Tile& tile : tiles[c]) {
            tile.color = kColumnColors[c];
            tile.model.materials.clear();
            tile.model.materialCount = 0;
        }
    const PackedColor background = themes[themeIndex].backgroundColor;
    for (PowerButton& button : powerButtons)
        button.armedColor = button.idleColor = background;
    numberDisplay.color = background;
}

}  // namespace

const PackedColor kColumnColors[kColumns] = {
    {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 255}, {255, 0, 255, 255}, {0, 255, 255, 255},
};

void setUpBoard(const SceneOptions& options)
{
    startUp();
    const bool full = options.board == BoardState::Full || options.board == BoardState::GameOver;
    layOutWithTheme(full ? kTilesBelowMarker : kStartTiles, options.theme, options.seed);
    if (options.board == BoardState::Fading)
        makeFadingGroupOneColor();
    if (options.columnColors)
        paintByColumn();
    numberDisplay.setValue(options.score);
    gameController.awardMark = options.score / kPointsPerAward * kPointsPerAward;
    for (int slot = 0; slot < kPowerButtonCount; ++slot)
        powerButtons[slot].armed = options.armed[slot];
    turntable.setAngle(options.angle);
    gamePhase = kPhaseWait;
}

void enterShownMoment(const SceneOptions& options)
{
    const int frame = options.fadeFrame > 0 ? options.fadeFrame : kDefaultFadeFrame;
    if (options.board == BoardState::Fading) {
        for (const GridPos& cell : kFadingGroup)
            fadeTo(tiles[cell.column][cell.slot], frame);
    } else if (options.board == BoardState::GameOver) {
        // The rise that ended the game brought one column to the top.
        tileCount[2] = kSlots;
        tiles[2][kMarkerSlot] = tiles[2][kMarkerSlot - 1];
        tiles[2][kMarkerSlot].setPosition(2, kMarkerSlot);
        gameOver = true;
        // Every tile fades; by default the fades are over and only the final
        // score is left.
        if (options.fadeFrame > 0)
            forEachTileInPlay([&](Tile& tile) { fadeTo(tile, options.fadeFrame); });
        else
            forEachTileInPlay(vanish);
    }
}
