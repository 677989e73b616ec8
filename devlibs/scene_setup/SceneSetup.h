#pragma once
// Puts the game's globals into the state a tool asks for.  The game's own
// start-up runs first, so everything else is as a real game has it.

#include "game/Board.h"
#include "themes/PackedColor.h"
#include "devlibs/scene_setup/SceneOptions.h"

// The flat colours of the column-colours view, one per column.
extern const PackedColor kColumnColors[kColumns];

// Start-up, then the board, theme, score, angle and armed buttons asked for,
// as the game would be in the frame before the one to show.
void setUpBoard(const SceneOptions& options);

// The changes that a shown moment makes in the frame just before it is
// drawn: the end of the game, and the fades (so that the next frame drawn
// is the chosen fade frame).  Draw at least one frame between the two calls:
// the background and the score's digits come from the frame before.
void enterShownMoment(const SceneOptions& options);
