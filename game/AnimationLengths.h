#pragma once
// How long the rules' animations last.  startFade and startSlide take an
// argument that they halve into drawn frames (integer division); the rules
// are written in those arguments, so both are named here.

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
