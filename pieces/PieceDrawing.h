#pragma once
// How a piece is drawn: its placement, applied before drawing its model and
// undone right after (so the scene never needs to push or pop the matrix),
// and the immediate-mode drawing of the model in a colour the piece supplies.
//
// Colour precedence per vertex: an object with a usable material shows the
// material colour (opaque); a textured object with texture coordinates shows
// white; only the others show the piece colour.  Texturing is never switched
// on.  With `blend` set, a translucent colour blends while drawing (an opaque
// one needs no blending), and blending is off afterwards.

#include "model3ds/ModelData.h"

#include <cstdint>

// ---- Placement -------------------------------------------------------------

struct PieceTransform {
    float translation[3] = {0, 0, 0};
    float scale[3] = {0, 0, 0};
    float rotation[3] = {0, 0, 0};  // degrees about x, y and z

    void setTranslation(float x, float y, float z);
    void setScale(float s);  // uniform: the only kind a piece uses
    void setRotation(float x, float y, float z);
};

// Multiplies the placement onto the current matrix: the model is turned
// about z, then y, then x, then scaled, then moved.
void applyTransform(const PieceTransform& transform);

// Multiplies the exact inverse of applyTransform onto the current matrix.
void undoTransform(const PieceTransform& transform);

// ---- Drawing a model -------------------------------------------------------

// Draws with the piece colour's alpha (tiles at rest and fading tiles).
void drawModelRGBA(const tModelData& model, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   std::uint8_t a, bool blend, bool keepCurrentColor);

// Draws opaque (sliding tiles, digits, buttons).
void drawModelRGB(const tModelData& model, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                  bool blend, bool keepCurrentColor);
