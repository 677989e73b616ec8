#include "pieces/PowerButton.h"

#include "pieces/ModelDrawing.h"

PowerButton::PowerButton() : model(MakeEmptyModel()) {}

PowerButton::PowerButton(const std::string& name) : model(MakeEmptyModel())
{
    if (name == "Stop") {
        setScale(0.1f);
        setTranslation(16, -7, 0);
    } else if (name == "+") {
        setScale(0.135f);
        setTranslation(15, 2, 0);
    } else if (name == "-3") {
        setScale(0.09f);
        setTranslation(15.5f, -3, 0);
    }
}

void PowerButton::draw() const
{
    const PackedColor& color = armed ? armedColor : idleColor;
    applyTransform(transform);
    drawModelRGB(model, color.r, color.g, color.b, true, false);
    undoTransform(transform);
}
