#pragma once
// Colour science for judging themes: CIELAB under D65, the CIEDE2000 colour
// difference (Sharma, Wu and Dalal 2005), WCAG contrast ratios, and the
// full-severity colour-vision-deficiency simulation of Machado, Oliveira and
// Fernandes (2009).

#include "themes/PackedColor.h"

struct Lab {
    double l, a, b;
};

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };
constexpr Vision kVisions[] = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia};
const char* visionName(Vision vision);

// How a player with that vision sees an sRGB colour, as CIELAB (D65 white).
Lab labSeenAs(PackedColor color, Vision vision);

double deltaE2000(Lab first, Lab second);

// WCAG 2 contrast ratio, from 1 (same luminance) to 21 (black on white).
double contrastRatio(PackedColor first, PackedColor second);
