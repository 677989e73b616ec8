#include "app/RedrawOnChange.h"

#include "app/FramePacing.h"
#include "app/SceneSignature.h"
#include "game/GameState.h"

#include <cstdint>

namespace {

// A change is drawn in at least two frames: the background colour is set
// after the clear, so it reaches the screen one frame after the tiles.
// The first frames after start-up count as a change.
constexpr int kFramesPerChange = 2;

struct Redraw {
    std::uint64_t shown = 0;        // the scene as the last frame left it
    std::uint64_t frameStart = 0;   // the scene as the frame being drawn found it
    int framesOwed = kFramesPerChange;
    bool inputSeen = false;         // a mouse event since the clock last looked
};

Redraw redraw;

// A scene unlike the one last drawn is owed its frames.
void oweFramesIfChanged(std::uint64_t scene)
{
    if (scene != redraw.shown)
        redraw.framesOwed = kFramesPerChange;
}

// Between frames only the player's input and the clock's rule steps change
// the scene, so a resting game, with no frames owed and no step to run,
// need not even take its fingerprint on every tick.
bool mayHaveChanged()
{
    return redraw.inputSeen || redraw.framesOwed > 0 || (gamePhase != kPhaseIdle && gamePhase != kPhaseWait);
}

}  // namespace

void noteInput()
{
    redraw.inputSeen = true;
}

bool frameWanted()
{
    if (mayHaveChanged())
        oweFramesIfChanged(sceneSignature());
    redraw.inputSeen = false;
    if (redraw.framesOwed > 0)
        return true;
    noteFramesPaused();
    return false;
}

void noteFrameStarts()
{
    // A change that an expose draws before the clock saw it still gets its
    // frames.
    redraw.frameStart = sceneSignature();
    oweFramesIfChanged(redraw.frameStart);
}

void noteFrameDrawn()
{
    redraw.shown = sceneSignature();
    if (redraw.shown != redraw.frameStart)
        redraw.framesOwed = kFramesPerChange;
    else if (redraw.framesOwed > 0)
        --redraw.framesOwed;
}
