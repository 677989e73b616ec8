#include "pieces/NumberDisplay.h"

#include "model3ds/ModelFileReader.h"

std::string digitModelFile(int digit)
{
    return "Data/3DS/" + std::to_string(digit) + ".3DS";
}

NumberDisplay::NumberDisplay()
{
    for (int digit = 0; digit < 10; ++digit) {
        digitModels[digit] = MakeEmptyModel();
        ModelFileReader reader;
        reader.LoadFile(digitModels[digit], digitModelFile(digit).c_str());
    }
}

void NumberDisplay::drawDigit(int digit)
{
    applyTransform(transform);
    drawModelRGB(digitModels[digit], color.r, color.g, color.b, true, false);
    undoTransform(transform);
}

void NumberDisplay::drawPlay()
{
    int v = value;
    for (int& digit : digits) {
        digit = v % 10;
        v /= 10;
    }
    float y = 30;
    for (int d = kDisplayDigits - 1; d >= 0; --d) {
        setTranslation(25, y, -24);
        setRotation(0, 0, -90);
        setScale(0.5f);
        drawDigit(digits[d]);
        y -= 5;
    }
}

void NumberDisplay::drawFinal()
{
    float x = -10;
    for (int d = kDisplayDigits - 1; d >= 0; --d) {
        setTranslation(x, 35, 8);
        setRotation(0, 0, 0);
        setScale(0.5f);
        drawDigit(digits[d]);
        x += 5.5f;
    }
}
