#pragma once
// A power-up button beside the tower: "+", "-3" or "Stop", drawn in the
// theme's armed colour when it can be used and its idle colour otherwise.

#include "model3ds/ModelData.h"
#include "pieces/PieceTransform.h"
#include "themes/PackedColor.h"

#include <string>

constexpr int kPowerButtonCount = 3;

// Slots, top to bottom on screen.
enum PowerSlot { kSlotColorSweep = 0, kSlotBottomClear = 1, kSlotStop = 2 };

struct PowerButton {
    bool armed = false;
    PackedColor armedColor;
    PackedColor idleColor;
    tModelData model;
    PieceTransform transform;

    // An empty button: no model yet.
    PowerButton();
    // Reads the model named after the button and places it.
    explicit PowerButton(const std::string& name);

    void setTranslation(float x, float y, float z) { transform.setTranslation(x, y, z); }
    void setScale(float s) { transform.setScale(s); }

    void draw() const;
};
