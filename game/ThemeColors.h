#pragma once
// The theme's colours on the game: the pieces beside the tower take them at
// start-up, at a new game and at every theme step, and the tiles in play
// take a new theme's when the player steps through the themes (the step
// itself is GameController::stepTheme, defined here).

// Gives the power-up buttons their idle and armed colours and the score its
// colour, from the current theme.  Colours only: whether a button is armed
// and what the score says belong to the game, not to the theme.
void colorPiecesFromTheme();
