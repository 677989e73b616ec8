#include "app/SceneSignature.h"

#include "app/Turntable.h"
#include "game/BoardState.h"
#include "game/GlobalObjects.h"

#include <cstring>

namespace {

// Folds values into a 64-bit hash, one word at a time (FNV-1a's constants
// on whole words: plenty for telling one frame from the next).
struct Fingerprint {
    std::uint64_t hash = 14695981039346656037ull;

    void add(std::uint64_t word)
    {
        hash ^= word;
        hash *= 1099511628211ull;
    }
    void add(double value)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        add(bits);
    }
    void add(int value) { add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(value))); }
    void add(bool value) { add(static_cast<std::uint64_t>(value)); }
    void add(PackedColor color)
    {
        std::uint32_t bytes = 0;
        std::memcpy(&bytes, &color, sizeof bytes);
        add(static_cast<std::uint64_t>(bytes));
    }
};

// The fields that kTileFields and kGameControllerFields mark as shown.
template <typename Record, typename Fields>
void addShown(Fingerprint& print, const Record& record, const Fields& fields)
{
    forEachShownValue(record, fields, [&](const auto& value) { print.add(value); });
}

}  // namespace

std::uint64_t sceneSignature()
{
    Fingerprint print;
    forEachShownBoardValue([&](auto value) { print.add(value); });
    print.add(turntable.getAngle());
    addShown(print, gameController, kGameControllerFields);
    print.add(numberDisplay.color);
    print.add(numberDisplay.getValue());
    for (int digit : numberDisplay.digits)
        print.add(digit);
    for (const PowerButton& button : powerButtons) {
        print.add(button.armed);
        print.add(button.armedColor);
        print.add(button.idleColor);
    }
    for (const auto& column : tiles)
        for (const Tile& tile : column)
            addShown(print, tile, kTileFields);
    return print.hash;
}
