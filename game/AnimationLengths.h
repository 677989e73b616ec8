#pragma once
// How long the rules' animations last, as passed to startFade and startSlide;
// each is halved into drawn frames.

constexpr int kFadeFrames = 30;   // a popped tile fades out over 15 frames
constexpr int kFallFrames = 20;   // a fall lasts 10 frames, whatever its height
constexpr int kRiseFrames = 100;  // the tower lifts one slot over 50 frames
