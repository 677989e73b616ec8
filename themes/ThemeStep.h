#pragma once
// Stepping through the themes: forward for a positive direction, backward
// otherwise, wrapping round at both ends.

int steppedThemeIndex(int themeIndex, int direction);
