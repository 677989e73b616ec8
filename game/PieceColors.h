#pragma once
// The theme's colours on the pieces beside the tower.

// Gives the power-up buttons their idle and armed colours and the score its
// colour, from the current theme.  Colours only: whether a button is armed
// and what the score says belong to the game, not to the theme.
void colorPiecesFromTheme();
