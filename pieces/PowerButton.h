#pragma once
// The three power-up buttons beside the tower, "+", "-3" and "Stop": the table
// of what the game knows of each, and the button itself, drawn in the
// theme's armed colour when it can be used and its idle colour otherwise.

#include "model3ds/ModelData.h"
#include "pieces/PieceDrawing.h"
#include "themes/PackedColor.h"

#include <string>

// ---- The buttons' table ----------------------------------------------------
// One row per button in slot order, top to bottom on screen: the label, the
// model and where the overlay places it, and the rectangle of the 800 x 800
// rules window that a press must hit.  Start-up builds the buttons from it,
// the pick and the press rule map presses with it, and the tools name
// buttons by its labels.

constexpr int kPowerButtonCount = 3;

// Slots, top to bottom on screen.
enum PowerSlot { kSlotColorSweep = 0, kSlotBottomClear = 1, kSlotStop = 2 };

// Pixels of the rules window, y counted upwards; bounds inclusive.
struct PressRectangle {
    int left, right, bottom, top;

    bool contains(float x, float y) const { return left <= x && x <= right && bottom <= y && y <= top; }
};

struct PowerButtonFacts {
    const char* label;
    const char* modelFile;
    float scale;       // all three axes
    float x, y, z;     // translation inside the overlay
    PressRectangle press;
};

extern const PowerButtonFacts kPowerButtonFacts[kPowerButtonCount];

// The slot of the button with this label, or -1 for none.
int powerSlotOf(const std::string& label);

// A press that hit a rectangle gets its slot from its height alone: above
// the first split "+", above the second "-3", else "Stop".  The splits lie
// between the rectangles.
constexpr int kClickSplitBelowColorSweep = 300;
constexpr int kClickSplitBelowBottomClear = 160;

// checkAward's award k arms the slot k up from the bottom: "Stop", then
// "-3", then "+".
constexpr int slotOfAward(int award)
{
    return kPowerButtonCount - 1 - award;
}

// ---- The button ------------------------------------------------------------

struct PowerButton {
    bool armed = false;
    PackedColor armedColor;
    PackedColor idleColor;
    tModelData model;
    PieceTransform transform;

    // An empty button: no model yet.
    PowerButton();
    // Reads the model of the button with this label and places it, as its
    // row of kPowerButtonFacts says; an unknown label stays empty.
    explicit PowerButton(const std::string& name);

    void setTranslation(float x, float y, float z) { transform.setTranslation(x, y, z); }
    void setScale(float s) { transform.setScale(s); }

    void draw() const;
};
