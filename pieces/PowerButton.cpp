#include "pieces/PowerButton.h"

#include "model3ds/ModelFileReader.h"

// ---- The buttons' table ----------------------------------------------------

const PowerButtonFacts kPowerButtonFacts[kPowerButtonCount] = {
    {"+", "Data/3DS/+.3DS", 0.135f, 15, 2, 0, {645, 695, 325, 380}},
    {"-3", "Data/3DS/-3.3DS", 0.09f, 15.5f, -3, 0, {630, 690, 200, 245}},
    {"Stop", "Data/3DS/Stop.3DS", 0.1f, 16, -7, 0, {610, 705, 120, 155}},
};

int powerSlotOf(const std::string& label)
{
    for (int slot = 0; slot < kPowerButtonCount; ++slot)
        if (label == kPowerButtonFacts[slot].label)
            return slot;
    return -1;
}

// ---- The button ------------------------------------------------------------

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
