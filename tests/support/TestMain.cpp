// The test programs' entry point.

#include <gtest/gtest.h>

#include <cstdlib>

// The game's global objects read their models while they are built, before
// main, and a model that cannot be read raises a notice.  No test program may
// ever wait on a notice dialog, however it is started (ctest lists the tests
// by running the program without the tests' environment), so notices stay on
// the console; this runs before any other static initialisation.
__attribute__((constructor(101))) static void keepNoticesOnConsole()
{
    setenv("HEXTOWER_NOTICE", "console", 1);
}

// Memory that the X, GLUT and Mesa libraries keep for the life of the
// process is not ours to free; the leak checker of the sanitizer build is
// told so here, where it is linked into every test program.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libX11\nleak:libxcb\nleak:libglut\nleak:libGLX\nleak:libGL.so\n"
           "leak:libGLdispatch\nleak:_dri.so\nleak:libLLVM\nleak:libdrm\nleak:libglapi\n"
           "leak:libgallium\nleak:libdbus\n";
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
