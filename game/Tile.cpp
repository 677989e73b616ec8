#include "game/Tile.h"

#include "game/Board.h"
#include "model3ds/ModelFileReader.h"
#include "pieces/PieceDrawing.h"

namespace {

constexpr float kTileModelScale = 0.2f;

}  // namespace

Tile::Tile() : model(MakeEmptyModel())
{
    ModelFileReader reader;
    reader.LoadFile(model, kTileModelFile);
    setTranslation(0, 0, 0);
    setScale(kTileModelScale);
    setRotation(0, 0, 0);
}

void Tile::setPosition(int newColumn, int newSlot)
{
    column = newColumn;
    slot = newSlot;
}

GridPos Tile::getPosition() const
{
    return GridPos{column, slot};
}

void Tile::clearAnimation()
{
    marked = 0;
    selected = false;
    vanished = false;
    sliding = false;
    fading = false;
    slidePerFrame = 0;
    slideElapsed = 0;
    slideLength = 0;
    fadePerFrame = 0;
    fadeLength = 0;
    fadeElapsed = 0;
}

void Tile::resetToBlank()
{
    color = packColor(255, 255, 255);
    column = 0;
    slot = 0;
    marked = 0;
    selected = false;
}

void Tile::startFade(int frames)
{
    fading = true;
    fadeLength = static_cast<double>(animationFrames(frames));
    fadePerFrame = 255.0 / fadeLength;
    fadeElapsed = 0;
}

void Tile::startSlide(GridPos target, int frames)
{
    sliding = true;
    slideLength = static_cast<double>(animationFrames(frames));
    slidePerFrame = static_cast<double>((slot - target.slot) * kSlotPitch) / slideLength;
    slideElapsed = 0;
}

void Tile::riseOneSlot(int frames)
{
    startSlide(GridPos{column, slot + 1}, frames);
}

// Sets the placement for the given height in the board frame and applies it.
void Tile::place(double height)
{
    setTranslation(0, static_cast<float>(height), 0);
    setRotation(0, static_cast<float>((column - 3) * kColumnAngle), 0);
    applyTransform(transform);
}

void Tile::draw()
{
    const double restHeight = slot * kSlotPitch;
    if (fading) {
        place(restHeight);
        fadeElapsed += 1;
        const int alpha = static_cast<int>(color.a - fadePerFrame * fadeElapsed);
        drawModelRGBA(model, color.r, color.g, color.b, static_cast<std::uint8_t>(alpha & 0xFF), true, false);
        undoTransform(transform);
        if (fadeElapsed >= fadeLength) {
            fading = false;
            color.a = 0;
            vanished = true;
            if (!gameOver)
                gamePhase = kPhaseFall;
        }
    } else if (sliding) {
        slideElapsed += 1;
        place(restHeight - slidePerFrame * slideElapsed);
        drawModelRGB(model, color.r, color.g, color.b, true, false);
        undoTransform(transform);
        if (slideElapsed >= slideLength) {
            sliding = false;
            gamePhase = slidePerFrame > 0 ? kPhaseSettle : kPhaseNewRow;
        }
    } else {
        place(restHeight);
        drawModelRGBA(model, color.r, color.g, color.b, color.a, true, false);
        undoTransform(transform);
    }
}
