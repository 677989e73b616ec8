#pragma once
// Immediate-mode drawing of a loaded model in a colour the piece supplies.
//
// Colour precedence per vertex: an object with a usable material shows the
// material colour (opaque); a textured object with texture coordinates shows
// white; only the others show the piece colour.  Texturing is never switched
// on.  With `blend` set, a translucent colour blends while drawing (an opaque
// one needs no blending), and blending is off afterwards.

#include "model3ds/ModelData.h"

#include <cstdint>

// Draws with the piece colour's alpha (tiles at rest and fading tiles).
void drawModelRGBA(const tModelData& model, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   std::uint8_t a, bool blend, bool keepCurrentColor);

// Draws opaque (sliding tiles, digits, buttons).
void drawModelRGB(const tModelData& model, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                  bool blend, bool keepCurrentColor);
