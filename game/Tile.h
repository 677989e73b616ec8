#pragma once
// One cell of the tower: a tile in play, a blank cell or a column marker,
// with its own model, its placement and its fade and slide animations.

#include "game/FieldList.h"
#include "model3ds/ModelData.h"
#include "pieces/PieceDrawing.h"
#include "themes/PackedColor.h"

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
    void resetToBlank();
    // Puts back every field that `reset` clears (kTileFields says which) to
    // the value a tile is built with.
    void restore(FieldReset reset);

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
    struct WithoutModel {};
    // Every field as built, but no model read: what restore copies from.
    explicit Tile(WithoutModel);

    void place(double height);
};

// Every field of Tile, in order: whether the picture shows it, and which
// resets put it back.  The fingerprint that decides on a redraw covers the
// shown ones; clearAnimation, resetToBlank and a new game restore theirs.
inline constexpr auto kTileFields = std::make_tuple(
    Field{&Tile::color, kShown, kBlankCell | kNewGame},
    // A picked or marked tile looks like any other.
    Field{&Tile::selected, kUnseen, kClearAnimation | kBlankCell | kNewGame},
    Field{&Tile::marked, kUnseen, kClearAnimation | kBlankCell | kNewGame},
    Field{&Tile::vanished, kShown, kClearAnimation | kNewGame},
    // It only names the colour, which is itself shown; a theme step recolours by it.
    Field{&Tile::colorIndex, kUnseen, kNewGame},
    Field{&Tile::column, kShown, kBlankCell | kNewGame},
    Field{&Tile::slot, kShown, kBlankCell | kNewGame},
    // The tile's own copy of the one tile model, read once and never changed.
    Field{&Tile::model, kUnseen, kKept},
    // Worked out again from column and slot by every draw.
    Field{&Tile::transform, kUnseen, kKept},
    Field{&Tile::sliding, kShown, kClearAnimation | kNewGame},
    Field{&Tile::slidePerFrame, kShown, kClearAnimation | kNewGame},
    Field{&Tile::slideElapsed, kShown, kClearAnimation | kNewGame},
    Field{&Tile::slideLength, kShown, kClearAnimation | kNewGame},
    Field{&Tile::fading, kShown, kClearAnimation | kNewGame},
    Field{&Tile::fadePerFrame, kShown, kClearAnimation | kNewGame},
    Field{&Tile::fadeLength, kShown, kClearAnimation | kNewGame},
    Field{&Tile::fadeElapsed, kShown, kClearAnimation | kNewGame});

// The compiler counts Tile's fields: the binding must name every one, so a
// field added to Tile stops the build here until it has its line above.
inline void tileFieldsAreListed(Tile& tile)
{
    [[maybe_unused]] auto& [f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17] = tile;
    static_assert(std::tuple_size_v<decltype(kTileFields)> == 17, "every field of Tile has its line in kTileFields");
}

constexpr const char* kTileModelFile = "Data/3DS/tile.3DS";
