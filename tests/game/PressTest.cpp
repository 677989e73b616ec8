// The tests' presses go through the game's own press rule: a cell press
// selects the cell it names, and a button press finds its button through
// the button table and the rule's slot mapping.

#include "devlibs/play_driver/PlayActions.h"
#include "game/Board.h"
#include "tests/game/RulesFixture.h"

namespace {

using Press = RulesTest;

TEST_F(Press, OnEveryCellSelectsThatCellAndPops)
{
    for (int c = 0; c < kColumns; ++c)
        setColumn(c, "RGBYPCRGBYPCRGBYPCR");
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < kTilesBelowMarker; ++s) {
            gamePhase = kPhaseWait;
            pickCell(c, s);
            EXPECT_TRUE(tiles[c][s].selected) << "cell " << c << "," << s;
            int selected = 0;
            for (auto& column : tiles)
                for (Tile& tile : column) {
                    selected += tile.selected;
                    tile.selected = false;
                }
            EXPECT_EQ(selected, 1) << "cell " << c << "," << s;
            EXPECT_EQ(gamePhase, kPhasePop);
            EXPECT_EQ(gameController.hitCode, kHitNothing);
        }
}

// Each button's power-up, as the flag it leaves pending.
bool& pendingEffect(int slot)
{
    switch (slot) {
    case kSlotColorSweep:
        return gameController.colorSweepArmed;
    case kSlotBottomClear:
        return gameController.bottomClearPending;
    default:
        return gameController.skipNextRise;
    }
}

TEST_F(Press, OnAButtonUsesItOnlyWhenArmedAndDisarmsIt)
{
    for (int slot = 0; slot < kPowerButtonCount; ++slot) {
        powerButtons[slot].armed = true;
        pressPowerButton(slot);
        EXPECT_EQ(gameController.buttonIndex, slot);
        EXPECT_TRUE(pendingEffect(slot)) << "slot " << slot;
        EXPECT_FALSE(powerButtons[slot].armed);
        EXPECT_EQ(gameController.hitCode, kHitNothing);
        pendingEffect(slot) = false;
        pressPowerButton(slot);
        EXPECT_FALSE(pendingEffect(slot)) << "slot " << slot << " pressed again unarmed";
    }
    EXPECT_EQ(gamePhase, kPhaseWait) << "a button press sets no phase";
}

}  // namespace
