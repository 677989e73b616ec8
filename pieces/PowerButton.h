#pragma once
// A power-up button beside the tower: "+", "-3" or "Stop", drawn in the
// theme's armed colour when it can be used and its idle colour otherwise.

#include "model3ds/ModelData.h"
#include "pieces/PieceTransform.h"
#include "pieces/PowerButtonTable.h"
#include "themes/PackedColor.h"

#include <string>

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
