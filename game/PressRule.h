#pragma once
// What a left press does once the pick has said what it hit (hitCode): a
// tile press selects the tile under the hit and moves the game to Pop,
// whatever it was doing; a press in a button's rectangle uses that button's
// power-up if it is armed, and disarms it either way.  Every press ends with
// hitCode back at kHitNothing.
void actOnPress();
