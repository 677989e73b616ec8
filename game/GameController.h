#pragma once

#include "pieces/PowerButton.h"
#include "themes/PackedColor.h"

// The game object: it receives the picks of the mouse, holds the power-up
// state, and the clock runs the rule steps on it.  Its operations are
// defined with their concerns, each group below in the file it names.

// What the last pick hit.  The numbers are the rules' own values, kept as
// they are written there; only their names carry meaning.
enum HitCode {
    kHitNothing = 6,
    kHitTile = 9,
    kHitButton = 10,
};

// What checkAward returns when the score has earned nothing new: one past
// the awards 0 .. kPowerButtonCount - 1 (award k arms slotOfAward(k)).
constexpr int kNoAward = kPowerButtonCount;

struct GameController {
    double hitX = 0;  // the point under the last left press, in the pick frame
    double hitY = 0;
    double hitZ = 0;
    int clickX = 0;   // window position of the last press on a button, y upwards
    int clickY = 0;
    bool skipNextRise = false;        // "Stop" is pending
    bool bottomClearPending = false;  // a "-3" removal is under way
    bool colorSweepArmed = false;     // "+" is pending
    int awardMark = 0;                // score already turned into power-ups
    int buttonIndex = 0;              // slot of the last button press
    int hitCode = 0;                  // a HitCode after a pick

    // Picking: pick in app/Input.cpp (it needs the window), the rest in Press.cpp.
    void pick(int x, int y);
    void selectPickedTile();
    int buttonFromClick();

    // A turn's removals: Popping.cpp.
    void resolveSelection();
    void floodMark(int column, int slot, PackedColor color);
    void startFalls();
    void settleBoard();
    void compactColumns();
    bool checkLine(int column, int slot);

    // The rise of the tower and the end of the game: Rise.cpp.
    void startRise();
    void finishRise();
    bool anyColumnFull() const;

    // Awards and power-ups: PowerUps.cpp.
    int checkAward();
    void applyPowerUp();

    // Makes the next (direction > 0) or previous theme current and recolours
    // everything that carries a theme colour: ThemeColors.cpp.
    void stepTheme(int direction);
};
