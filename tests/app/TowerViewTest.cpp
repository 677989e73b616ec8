// The full tower at the turns a player sees: the gaps between its tiles must
// not show the columns at the back.  Drawn in one flat colour per column, so
// that every pixel tells which column it belongs to.

#include "app/Frame.h"
#include "app/Window.h"
#include "game/Board.h"
#include "tests/support/GlWindow.h"
#include "devlibs/confetti_count/ConfettiCount.h"
#include "devlibs/scene_setup/SceneSetup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TowerView, FullTowerShowsAlmostNothingOfTheColumnsTurnedAway)
{
    useGlWindow();
    onReshape(kRulesWindowSize, kRulesWindowSize);
    // The column-colours view strips the tiles' materials; the models are
    // put back afterwards, since nothing else reloads them.
    std::vector<tModelData> models;
    for (auto& column : tiles)
        for (Tile& tile : column)
            models.push_back(tile.model);

    SceneOptions options;
    options.board = BoardState::Full;
    options.columnColors = true;
    setUpBoard(options);
    drawScene();
    for (double angle : {0.0, 15.0, 30.0, 45.0}) {
        const ConfettiCount count = countConfetti(angle);
        EXPECT_GT(count.towerPixels(), 100000) << "the tower is not drawn at " << angle;
        EXPECT_LE(count.share(), 0.02) << count.turnedAwayPixels() << " of " << count.towerPixels()
                                       << " pixels at " << angle << " degrees";
    }

    auto saved = models.begin();
    for (auto& column : tiles)
        for (Tile& tile : column)
            tile.model = *saved++;
    turntable.setAngle(0);
}

}  // namespace
