#include "devlibs/game_models/BlockFont.h"

#include <algorithm>

namespace {

// The thinnest back face a bar keeps when the taper would eat it.
constexpr float kThinnestBack = 0.2f;

// The strips of a glyph box that bars run along.
struct Strips {
    float left0, left1;      // the left stroke
    float right0, right1;    // the right stroke
    float bottom1;           // top of the bottom stroke (which starts at 0)
    float middle0, middle1;  // the middle stroke
    float top0;              // bottom of the top stroke (which ends at the height)
};

Strips stripsOf(float width, float height, float stroke)
{
    return {0,
            stroke,
            width - stroke,
            width,
            stroke,
            (height - stroke) / 2,
            (height + stroke) / 2,
            height - stroke};
}

// "S" and "5" share their shape.
std::vector<Bar> fiveBars(const GlyphMetrics& m)
{
    const Strips s = stripsOf(m.width, m.height, m.stroke);
    return {{0, s.top0, m.width, m.height},
            {0, s.middle0, s.left1, m.height},
            {0, s.middle0, m.width, s.middle1},
            {s.right0, 0, m.width, s.middle1},
            {0, 0, m.width, s.bottom1}};
}

// "o", and with a stem below it "p".
std::vector<Bar> ringBars(float width, float height, float stroke)
{
    return {{0, 0, stroke, height},
            {width - stroke, 0, width, height},
            {0, 0, width, stroke},
            {0, height - stroke, width, height}};
}

}  // namespace

std::vector<Bar> digitBars(int digit, const GlyphMetrics& m)
{
    const float w = m.width;
    const float h = m.height;
    const Strips s = stripsOf(w, h, m.stroke);
    const Bar top{0, s.top0, w, h};
    const Bar middle{0, s.middle0, w, s.middle1};
    const Bar bottom{0, 0, w, s.bottom1};
    const Bar left{0, 0, s.left1, h};
    const Bar right{s.right0, 0, w, h};
    const Bar upperLeft{0, s.middle0, s.left1, h};
    const Bar lowerLeft{0, 0, s.left1, s.middle1};
    const Bar upperRight{s.right0, s.middle0, w, h};
    const Bar lowerRight{s.right0, 0, w, s.middle1};
    switch (digit) {
    case 0:
        return {left, right, top, bottom};
    case 1: {
        // A centred stem with a flag and a foot, so that it does not read
        // as a stray bar when the digits stand on their side.
        const float stem0 = (w - m.stroke) / 2;
        const float stem1 = stem0 + m.stroke;
        return {{stem0, 0, stem1, h}, {stem0 - m.stroke, s.top0, stem0, h}, {stem0 - m.stroke, 0, stem1 + m.stroke, s.bottom1}};
    }
    case 2:
        return {top, upperRight, middle, lowerLeft, bottom};
    case 3:
        return {top, right, {m.stroke, s.middle0, w, s.middle1}, bottom};
    case 4:
        return {upperLeft, middle, right};
    case 5:
        return fiveBars(m);
    case 6:
        return {top, left, middle, lowerRight, bottom};
    case 7:
        return {top, right};
    case 8:
        return {left, right, top, middle, bottom};
    default:
        return {top, upperLeft, right, middle, bottom};
    }
}

std::vector<Bar> letterBars(char letter, const GlyphMetrics& m)
{
    switch (letter) {
    case 'S':
        return fiveBars(m);
    case 't': {
        // A stem rising above the small letters, a cross bar at their
        // height and a foot turning right.
        const float stem1 = m.stroke * 1.5f;
        const float stem0 = stem1 - m.stroke;
        const float ascender = (m.xHeight + m.height) / 2;
        return {{stem0, 0, stem1, ascender}, {0, m.xHeight - m.stroke, m.width, m.xHeight}, {stem0, 0, m.width, m.stroke}};
    }
    case 'o':
        return ringBars(m.width, m.xHeight, m.stroke);
    default: {
        std::vector<Bar> bars = ringBars(m.width, m.xHeight, m.stroke);
        bars[0].bottom = -m.descender;
        return bars;
    }
    }
}

void addBars(Mesh& mesh, const std::vector<Bar>& bars, float dx, float dy, const BarStyle& style)
{
    for (const Bar& bar : bars) {
        const float thinnest = std::min(bar.right - bar.left, bar.top - bar.bottom);
        const float inset = std::min(style.taper, (thinnest - kThinnestBack) / 2);
        const float left = bar.left + dx;
        const float right = bar.right + dx;
        const float bottom = bar.bottom + dy;
        const float top = bar.top + dy;
        mesh.addTaperedPrism({{left, bottom}, {right, bottom}, {right, top}, {left, top}},
                             {{left + inset, bottom + inset}, {right - inset, bottom + inset},
                              {right - inset, top - inset}, {left + inset, top - inset}},
                             style.depth);
    }
}

Bar barsExtent(const std::vector<Bar>& bars)
{
    Bar extent = bars.front();
    for (const Bar& bar : bars) {
        extent.left = std::min(extent.left, bar.left);
        extent.bottom = std::min(extent.bottom, bar.bottom);
        extent.right = std::max(extent.right, bar.right);
        extent.top = std::max(extent.top, bar.top);
    }
    return extent;
}
