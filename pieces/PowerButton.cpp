#include "pieces/PowerButton.h"

#include "model3ds/ModelFileReader.h"
#include "pieces/ModelDrawing.h"

PowerButton::PowerButton() : model(MakeEmptyModel()) {}

PowerButton::PowerButton(const std::string& name) : model(MakeEmptyModel())
{
    ModelFileReader reader;
    if (name == "Stop") {
        reader.LoadFile(model, "Data/3DS/Stop.3DS");
        setScale(0.1f);
        setTranslation(16, -7, 0);
    } else if (name == "+") {
        reader.LoadFile(model, "Data/3DS/+.3DS");
        setScale(0.135f);
        setTranslation(15, 2, 0);
    } else if (name == "-3") {
        reader.LoadFile(model, "Data/3DS/-3.3DS");
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
