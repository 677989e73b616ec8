#pragma once
// One cell of the tower: a tile in play, a blank cell or a column marker,
// with its own model, its placement and its fade and slide animations, and
// how long those animations last.

#include "model3ds/ModelData.h"
#include "pieces/PieceDrawing.h"
#include "themes/PackedColor.h"

// How long the animations last.  startFade and startSlide take an argument
// that they halve into drawn frames (integer division); the rules are
// written in those arguments, so both are named here.
constexpr int animationFrames(int argument)
{
    return argument / 2;
}

constexpr int kFadeArgument = 30;   // a popped tile fades out ...
constexpr int kFallArgument = 20;   // a fall, whatever its height ...
constexpr int kRiseArgument = 100;  // the tower's lift by one slot ...

constexpr int kFadeFrames = animationFrames(kFadeArgument);  // ... over 15 frames
constexpr int kFallFrames = animationFrames(kFallArgument);  // ... over 10 frames
constexpr int kRiseFrames = animationFrames(kRiseArgument);  // ... over 50 frames

struct GridPos {
    int column;
    int slot;
};

constexpr int kSlotPitch = 3;     // board units from one slot's height to the next
constexpr int kColumnAngle = 60;  // degrees between neighbouring columns round the axis

struct Tile {
    PackedColor color{255, 255, 255, 255};
    bool selected = false;  // picked, or found in a line of three
    int marked = 0;         // 1: being removed (also the flood fill's visited mark)
    bool vanished = false;  // its fade has ended; no longer drawn
    int colorIndex = 0;     // index of color in the current theme
    int column = 0;
    int slot = 0;
    tModelData model;
    PieceTransform transform;

    bool sliding = false;
    double slidePerFrame = 0;  // scene units per frame, positive = down
    double slideElapsed = 0;
    double slideLength = 0;

    bool fading = false;
    double fadePerFrame = 0;   // alpha units per frame
    double fadeLength = 0;
    double fadeElapsed = 0;

    // Reads its own copy of the tile model.
    Tile();

    void setTranslation(float x, float y, float z) { transform.setTranslation(x, y, z); }
    void setScale(float s) { transform.setScale(s); }
    void setRotation(float x, float y, float z) { transform.setRotation(x, y, z); }

    void setPosition(int newColumn, int newSlot);
    GridPos getPosition() const;

    // Stops both animations and drops the rule flags; keeps colour and place.
    void clearAnimation();
    // Makes the cell a blank one: opaque white at (0, 0), no rule flags.
    // Whether it vanished, its colour index and its animations stay.
    void resetToBlank();

    // A fade-out over animationFrames(frames) drawn frames.
    void startFade(int frames);
    // A slide from the current slot's height to the target slot's, over
    // animationFrames(frames) drawn frames.  The slot itself is moved by the rules later.
    void startSlide(GridPos target, int frames);
    // A slide one slot up.
    void riseOneSlot(int frames);

    // Draws the tile at its cell and advances its animation by one frame;
    // the end of an animation moves the game to its next phase.
    void draw();

private:
    void place(double height);
};

constexpr const char* kTileModelFile = "Data/3DS/tile.3DS";
