#pragma once
// The X display of a test program, and what a test does without one.
//
// ctest gives every test a display: the one DISPLAY names, or, when it is
// unset, a virtual one that its display fixture starts (tests/CMakeLists.txt).
// Where neither can be had, as in a build root without Xvfb, a test that
// needs a display ends its program with kSkippedStatus, which ctest shows as
// skipped.

#include <string>

struct _XDisplay;

// The program's own connection to the X display, opened on first use and
// held until the program ends: a server that resets when its last client
// leaves (xvfb-run's default) then never resets under a test, so the
// windows a test opens or looks for stay reachable.  A server that is still
// resetting after the previous program left it is waited for.  Null when
// DISPLAY is unset or the server never answers.
_XDisplay* testDisplay();

// Returns when the display can be reached; otherwise skips the test.
void needDisplay();

// Says why in one line and ends the program, which ctest shows as skipped.
[[noreturn]] void skipTest(const std::string& why);
