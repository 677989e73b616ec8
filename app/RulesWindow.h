#pragma once
// The window size the game's rules are written in: the button rectangles and
// the right-press split are pixels of an 800 x 800 window, whatever size the
// window really has.

constexpr int kRulesWindowSize = 800;
