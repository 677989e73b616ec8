#pragma once
// The driver's swap control: how many display refreshes a buffer swap waits
// for.  GLX offers it through one of three extensions, depending on the
// driver.

// Whether the space-separated extension list holds the name as a whole word.
bool hasExtension(const char* extensions, const char* name);

// The first swap-control extension of the list, in the order they are tried
// (EXT, MESA, SGI), or nullptr when it holds none.
const char* offeredSwapControl(const char* extensions);

// Asks for `interval` refreshes per swap on the current window; returns
// false when no offered extension takes it (SGI's cannot turn waiting off).
bool setSwapInterval(int interval);
