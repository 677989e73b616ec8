#include "pieces/PowerButtonTable.h"

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
