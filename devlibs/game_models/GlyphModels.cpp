#include "devlibs/game_models/GlyphModels.h"

#include "devlibs/game_models/BlockFont.h"

namespace {

constexpr GlyphMetrics kDigitMetrics{8.0f, 15.0f, 2.4f, 0, 0};
// Shallow, with sides that slope inwards by more than the depth, so that
// they stay hidden up to about 47 degrees off the front.  The score column
// is seen from about 45 degrees, the buttons from 50 to 65: deep upright
// sides would show there and thicken the strokes.
constexpr BarStyle kGlyphStyle{1.0f, 1.1f};

// The buttons stand low and to the right in the camera's view, where the
// perspective leans the model's verticals to the right by about 9 degrees;
// their labels lean back by as much, so that they stand upright on screen,
// like the window rectangles that pick them.
constexpr float kButtonLean = 0.16f;  // x shift per unit of height

std::vector<Bar> shifted(std::vector<Bar> bars, float dx)
{
    for (Bar& bar : bars) {
        bar.left += dx;
        bar.right += dx;
    }
    return bars;
}

void append(std::vector<Bar>& to, const std::vector<Bar>& bars)
{
    to.insert(to.end(), bars.begin(), bars.end());
}

// A button label centred on `centre` (the middle of its window rectangle,
// in the model's units) and leaned back.
Mesh buttonLabel(const std::vector<Bar>& bars, Point2 centre)
{
    const Bar extent = barsExtent(bars);
    Mesh mesh;
    addBars(mesh, bars, centre.x - (extent.left + extent.right) / 2, centre.y - (extent.bottom + extent.top) / 2,
            kGlyphStyle);
    for (Point3& p : mesh.vertices)
        p.x -= kButtonLean * (p.y - centre.y);
    return mesh;
}

}  // namespace

Mesh makeDigitMesh(int digit)
{
    Mesh mesh;
    addBars(mesh, digitBars(digit, kDigitMetrics), 0, 0, kGlyphStyle);
    return mesh;
}

Mesh makePlusMesh()
{
    // A little taller than wide in the model, square on screen.
    constexpr float kReachAcross = 6.0f;
    constexpr float kReachUp = 6.5f;
    constexpr float kHalfStroke = 1.8f;
    return buttonLabel({{-kReachAcross, -kHalfStroke, kReachAcross, kHalfStroke},
                        {-kHalfStroke, -kReachUp, kHalfStroke, kReachUp}},
                       {0.4f, 8.75f});
}

Mesh makeMinusThreeMesh()
{
    constexpr GlyphMetrics kThree{11.5f, 19.0f, 3.2f, 0, 0};
    constexpr float kMinusWidth = 8.0f;
    constexpr float kGap = 3.0f;
    const float middle = kThree.height / 2;
    std::vector<Bar> bars{{0, middle - kThree.stroke / 2, kMinusWidth, middle + kThree.stroke / 2}};
    append(bars, shifted(digitBars(3, kThree), kMinusWidth + kGap));
    return buttonLabel(bars, {0.7f, 7.9f});
}

Mesh makeStopMesh()
{
    constexpr GlyphMetrics kCapital{8.0f, 12.2f, 2.3f, 8.4f, 3.2f};
    constexpr float kGap = 2.6f;
    struct Letter {
        char letter;
        float width;
    };
    const Letter letters[] = {{'S', 8.0f}, {'t', 6.6f}, {'o', 7.6f}, {'p', 7.6f}};
    std::vector<Bar> bars;
    float left = 0;
    for (const Letter& letter : letters) {
        GlyphMetrics metrics = kCapital;
        metrics.width = letter.width;
        append(bars, shifted(letterBars(letter.letter, metrics), left));
        left += letter.width + kGap;
    }
    return buttonLabel(bars, {1.1f, 5.6f});
}
