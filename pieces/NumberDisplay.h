#pragma once
// The score: four 3D digits, drawn as a column beside the tower while the
// game runs and as a row in front of it once the game is over.

#include "model3ds/ModelData.h"
#include "pieces/PieceDrawing.h"
#include "themes/PackedColor.h"

#include <string>

constexpr int kDisplayDigits = 4;
// The largest value the display shows whole: 9999.
constexpr int kLargestWholeValue = [] {
    int largest = 0;
    for (int i = 0; i < kDisplayDigits; ++i)
        largest = largest * 10 + 9;
    return largest;
}();

// The model file of the digit 0 to 9, "Data/3DS/0.3DS" to "Data/3DS/9.3DS".
std::string digitModelFile(int digit);

struct NumberDisplay {
    PackedColor color{255, 255, 255, 255};
    int digits[kDisplayDigits] = {0, 0, 0, 0};  // [0] ones .. [3] thousands, as last shown in play
    int value = 0;
    tModelData digitModels[10];
    PieceTransform transform;

    // Reads the ten digit models from their files.
    NumberDisplay();

    int getValue() const { return value; }
    void setValue(int v) { value = v; }

    void setTranslation(float x, float y, float z) { transform.setTranslation(x, y, z); }
    void setScale(float s) { transform.setScale(s); }
    void setRotation(float x, float y, float z) { transform.setRotation(x, y, z); }

    // The running score, top to bottom, thousands first.
    void drawPlay();
    // The final score, left to right, as last drawn in play.
    void drawFinal();

private:
    void drawDigit(int digit);
};
