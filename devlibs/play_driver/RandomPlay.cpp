#include "devlibs/play_driver/RandomPlay.h"

#include "app/Frame.h"
#include "app/Input.h"
#include "app/Window.h"
#include "devlibs/play_driver/BoardChecks.h"
#include "devlibs/play_driver/PlayActions.h"
#include "game/Board.h"
#include "game/Clock.h"

#include <random>
#include <sstream>

namespace {

constexpr int kPickableSlots = kMarkerSlot;  // a pick gives rows 0 to 18
constexpr int kStepsAfterGameOver = 40;      // frames and ticks watched after the end
constexpr int kRecentSteps = 12;             // kept to explain a broken rule
constexpr long kStepsWithoutRise = 30000;    // a game that long without a rise is given up

// How often a game's player acts; each game draws one, so that some turns
// run undisturbed to the rise and others are interrupted at every stage.
struct Temper {
    double pick;
    double button;
    double arm;  // an idle button is armed just before its press, as an award would
    double theme;
    double drag;
};
constexpr Temper kTempers[] = {
    {0.004, 0.0005, 0.0, 0.001, 0.01},
    {0.03, 0.01, 0.1, 0.01, 0.02},
    {0.15, 0.05, 0.2, 0.03, 0.02},
};

// Nothing of a removal is left in play: no tile marked or falling.
bool noRemovalUnderWay()
{
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            if (tiles[c][s].marked != 0 || tiles[c][s].sliding)
                return false;
    return true;
}

// A tile in play shows its colour index's colour in the current theme; only
// its alpha changes as it fades.  A blank cell or a marker copied into play
// fails this.
bool isThemeTile(const Tile& tile)
{
    if (tile.colorIndex < 0 || tile.colorIndex >= kTileColorsPerTheme)
        return false;
    const PackedColor expected = themes[themeIndex].tileColors[tile.colorIndex];
    return tile.color.r == expected.r && tile.color.g == expected.g && tile.color.b == expected.b;
}

class Player {
public:
    Player(unsigned seed, RandomPlayReport& report) : random_(seed), report_(report) { newGame(); }

    void step();
    std::string brokenRule() const;
    std::string recentSteps() const;

private:
    void newGame();
    void act();
    void pick();
    void tick();
    void frame();
    void pressButton();
    void note(const std::string& what);
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::mt19937 random_;
    RandomPlayReport& report_;
    Temper temper_{};
    int stepsSinceGameOver_ = 0;
    long stepsSinceRise_ = 0;
    std::string recent_[kRecentSteps];
    long noted_ = 0;
};

void Player::newGame()
{
    startFreshGame(static_cast<unsigned>(random_()));
    turntable.setAngle(0);
    temper_ = kTempers[below(3)];
    stepsSinceGameOver_ = 0;
    stepsSinceRise_ = 0;
    note("new game");
}

void Player::note(const std::string& what)
{
    recent_[noted_ % kRecentSteps] = what;
    noted_ += 1;
}

// One user action or clock event; once the game is over only the clock and
// the window go on (any mouse event would end the program), and after a
// while a new game starts.
void Player::step()
{
    stepsSinceRise_ += 1;
    if (stepsSinceRise_ > kStepsWithoutRise) {
        report_.gamesGivenUp += 1;
        newGame();
        return;
    }
    if (gameOver) {
        if (stepsSinceGameOver_ == kStepsAfterGameOver) {
            report_.gamesOver += 1;
            newGame();
            return;
        }
        stepsSinceGameOver_ += 1;
        if (chance(0.5))
            tick();
        else
            frame();
        return;
    }
    act();
}

void Player::act()
{
    if (chance(temper_.pick)) {
        pick();
    } else if (chance(temper_.button)) {
        pressButton();
    } else if (chance(temper_.theme)) {
        const int direction = chance(0.5) ? 1 : -1;
        gameController.stepTheme(direction);
        report_.themeSteps += 1;
        note("theme step " + std::to_string(direction));
    } else if (chance(temper_.drag)) {
        const int x = below(kRulesWindowSize);
        onMotion(x, below(kRulesWindowSize));
        report_.drags += 1;
        note("drag to x " + std::to_string(x));
    } else if (chance(0.5)) {
        tick();
    } else {
        frame();
    }
}

// Any cell a pick can reach, half the time one with a tile in play, since
// most of the tower is empty space.
void Player::pick()
{
    const int column = below(kColumns);
    const bool onTile = tileCount[column] > 0 && chance(0.5);
    const int slot = below(onTile ? tileCount[column] : kPickableSlots);
    pickCell(column, slot);
    report_.picks += 1;
    note("pick " + std::to_string(column) + "," + std::to_string(slot));
}

// A press on a random button.  So that every power-up is used at every
// stage of a turn, the player sometimes arms the button first itself, as an
// award would.
void Player::pressButton()
{
    const int slot = below(kPowerButtonCount);
    const bool awarded = powerButtons[slot].armed;
    const bool armedHere = !awarded && chance(temper_.arm);
    if (armedHere)
        powerButtons[slot].armed = true;
    pressPowerButton(slot);
    report_.buttonPresses += 1;
    if (awarded || armedHere)
        report_.powerUpsApplied += 1;
    if (awarded)
        report_.awardsUsed += 1;
    note("button " + std::to_string(slot) + (awarded ? " awarded" : armedHere ? " armed by the player" : " idle"));
}

void Player::frame()
{
    drawScene();
    report_.frames += 1;
    note("frame");
}

void Player::tick()
{
    const int phase = gamePhase;
    runPhaseStep();
    report_.ticks += 1;
    if (phase == kPhasePop)
        for (int c = 0; c < kColumns; ++c)
            if (removedCount[c] > 0) {
                report_.removals += 1;
                break;
            }
    if (phase == kPhaseSettle && gamePhase == kPhasePop)
        report_.cascades += 1;
    if (phase == kPhaseNewRow) {
        report_.rises += 1;
        stepsSinceRise_ = 0;
    }
    note("tick in phase " + std::to_string(phase));
}

std::string Player::brokenRule() const
{
    std::ostringstream broken;
    if (gamePhase < kPhaseIdle || gamePhase > kPhaseWait)
        broken << "phase " << gamePhase << " is no phase; ";
    if (gameOver && gamePhase != kPhaseWait)
        broken << "phase " << gamePhase << " after game over; ";
    if (!gameOver && gamePhase == kPhaseWait && boardIsEmpty())
        broken << "the board is empty and waits for ever; ";
    if (gamePhase == kPhaseWait && gameController.bottomClearPending && noRemovalUnderWay())
        broken << "a \"-3\" flag outlived its removal; ";
    for (int c = 0; c < kColumns; ++c) {
        if (!countWithinBoard(c))
            broken << "column " << c << " holds " << tileCount[c] << " tiles; ";
        if (pendingCount[c] < 0 || pendingCount[c] > kSlots)
            broken << "column " << c << " is to hold " << pendingCount[c] << " tiles; ";
        for (int s = 0; s < tileCount[c] && s < kSlots; ++s)
            if (!isThemeTile(tiles[c][s]))
                broken << "cell " << c << "," << s << " in play holds no tile of the theme; ";
        if (!gameOver && !markerInPlace(c))
            broken << "marker of column " << c << " changed; ";
    }
    return broken.str();
}

std::string Player::recentSteps() const
{
    std::string steps;
    const long first = noted_ > kRecentSteps ? noted_ - kRecentSteps : 0;
    for (long i = first; i < noted_; ++i)
        steps += "  " + recent_[i % kRecentSteps] + "\n";
    return steps;
}

}  // namespace

RandomPlayReport playRandomly(long steps, unsigned seed)
{
    RandomPlayReport report;
    Player player(seed, report);
    for (long i = 0; i < steps; ++i) {
        player.step();
        report.steps += 1;
        const std::string broken = player.brokenRule();
        if (!broken.empty()) {
            report.failure = "step " + std::to_string(i) + " of seed " + std::to_string(seed) + ": " + broken +
                             "\nlast steps:\n" + player.recentSteps();
            break;
        }
    }
    return report;
}
