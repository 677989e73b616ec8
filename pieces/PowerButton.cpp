#include "pieces/PowerButton.h"

#include "model3ds/ModelFileReader.h"
#include "pieces/ModelDrawing.h"

PowerButton::PowerButton() : model(MakeEmptyModel()) {}

PowerButton::PowerButton(const std::string& name) : model(MakeEmptyModel())
{
    const int slot = powerSlotOf(name);
    if (slot < 0)
        return;
    const PowerButtonFacts& facts = kPowerButtonFacts[slot];
    ModelFileReader reader;
    reader.LoadFile(model, facts.modelFile);
    setScale(facts.scale);
    setTranslation(facts.x, facts.y, facts.z);
}

void PowerButton::draw() const
{
    const PackedColor& color = armed ? armedColor : idleColor;
    applyTransform(transform);
    drawModelRGB(model, color.r, color.g, color.b, true, false);
    undoTransform(transform);
}
