#include "devlibs/color_science/ColourScience.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

double linearFromSrgb(std::uint8_t component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Linear {
    double r, g, b;
};

Linear linearOf(PackedColor color)
{
    return Linear{linearFromSrgb(color.r), linearFromSrgb(color.g), linearFromSrgb(color.b)};
}

// Machado, Oliveira and Fernandes (2009), severity 1.0, for linear RGB.
using Simulation = double[3][3];
const Simulation kProtanopia = {{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}};
const Simulation kDeuteranopia = {{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}};
const Simulation kTritanopia = {{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}};

Linear simulate(Linear c, const Simulation& m)
{
    auto row = [&](int i) { return std::clamp(m[i][0] * c.r + m[i][1] * c.g + m[i][2] * c.b, 0.0, 1.0); };
    return Linear{row(0), row(1), row(2)};
}

Linear seenAs(Linear c, Vision vision)
{
    switch (vision) {
    case Vision::Protanopia:
        return simulate(c, kProtanopia);
    case Vision::Deuteranopia:
        return simulate(c, kDeuteranopia);
    case Vision::Tritanopia:
        return simulate(c, kTritanopia);
    case Vision::Normal:
        break;
    }
    return c;
}

// Linear sRGB to XYZ (D65, IEC 61966-2-1) and on to CIELAB.
Lab labFromLinear(Linear c)
{
    const double x = (0.4124564 * c.r + 0.3575761 * c.g + 0.1804375 * c.b) / 0.95047;
    const double y = 0.2126729 * c.r + 0.7151522 * c.g + 0.0721750 * c.b;
    const double z = (0.0193339 * c.r + 0.1191920 * c.g + 0.9503041 * c.b) / 1.08883;
    auto f = [](double t) {
        constexpr double delta = 6.0 / 29.0;
        return t > delta * delta * delta ? std::cbrt(t) : t / (3 * delta * delta) + 4.0 / 29.0;
    };
    return Lab{116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double hueDegrees(double b, double a)
{
    if (a == 0 && b == 0)
        return 0;
    const double h = std::atan2(b, a) * 180.0 / kPi;
    return h < 0 ? h + 360.0 : h;
}

double relativeLuminance(PackedColor color)
{
    const Linear c = linearOf(color);
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

}  // namespace

const char* visionName(Vision vision)
{
    switch (vision) {
    case Vision::Protanopia:
        return "protanopia";
    case Vision::Deuteranopia:
        return "deuteranopia";
    case Vision::Tritanopia:
        return "tritanopia";
    case Vision::Normal:
        break;
    }
    return "normal vision";
}

Lab labSeenAs(PackedColor color, Vision vision)
{
    return labFromLinear(seenAs(linearOf(color), vision));
}

// Step by step as in Sharma, Wu and Dalal, "The CIEDE2000 colour-difference
// formula: implementation notes, supplementary test data, and mathematical
// observations" (2005), with kL = kC = kH = 1.
double deltaE2000(Lab first, Lab second)
{
    const double pow25to7 = 6103515625.0;  // 25^7
    const double cBar = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2;
    const double cBar7 = std::pow(cBar, 7);
    const double g = 0.5 * (1 - std::sqrt(cBar7 / (cBar7 + pow25to7)));
    const double a1 = (1 + g) * first.a;
    const double a2 = (1 + g) * second.a;
    const double c1 = std::hypot(a1, first.b);
    const double c2 = std::hypot(a2, second.b);
    const double h1 = hueDegrees(first.b, a1);
    const double h2 = hueDegrees(second.b, a2);

    const double deltaL = second.l - first.l;
    const double deltaC = c2 - c1;
    double deltaH = 0;
    if (c1 * c2 != 0) {
        deltaH = h2 - h1;
        if (deltaH > 180)
            deltaH -= 360;
        else if (deltaH < -180)
            deltaH += 360;
    }
    const double deltaBigH = 2 * std::sqrt(c1 * c2) * std::sin(radians(deltaH / 2));

    const double lBar = (first.l + second.l) / 2;
    const double cBarPrime = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            hBar = (h1 + h2) / 2;
        else
            hBar = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(hBar - 30)) + 0.24 * std::cos(radians(2 * hBar)) +
                     0.32 * std::cos(radians(3 * hBar + 6)) - 0.20 * std::cos(radians(4 * hBar - 63));
    const double deltaTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double cBarPrime7 = std::pow(cBarPrime, 7);
    const double rC = 2 * std::sqrt(cBarPrime7 / (cBarPrime7 + pow25to7));
    const double lOffset = (lBar - 50) * (lBar - 50);
    const double sL = 1 + 0.015 * lOffset / std::sqrt(20 + lOffset);
    const double sC = 1 + 0.045 * cBarPrime;
    const double sH = 1 + 0.015 * cBarPrime * t;
    const double rT = -std::sin(radians(2 * deltaTheta)) * rC;

    const double l = deltaL / sL;
    const double c = deltaC / sC;
    const double h = deltaBigH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

double contrastRatio(PackedColor first, PackedColor second)
{
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}
