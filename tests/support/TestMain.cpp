// The test programs' entry point.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// The game's global objects read their models while they are built, before
// main, and a model that cannot be read raises a notice.  No test program may
// ever wait on a notice dialog, however it is started (ctest lists the tests
// by running the program without the tests' environment), so notices stay on
// the console; this runs before any other static initialisation.
__attribute__((constructor(101))) static void keepNoticesOnConsole()
{
    setenv("HEXTOWER_NOTICE", "console", 1);
}

// Where DISPLAY is unset, ctest's display fixture may have started a virtual
// display: it names it in the file HEXTOWER_TEST_DISPLAY_FILE points to.  Set
// before any global object is built, so that nothing looks for a display
// before it.
__attribute__((constructor(101))) static void takeTheFixturesDisplay()
{
    const char* fileName = std::getenv("HEXTOWER_TEST_DISPLAY_FILE");
    const char* display = std::getenv("DISPLAY");
    if (fileName == nullptr || (display != nullptr && display[0] != '\0'))
        return;
    std::FILE* file = std::fopen(fileName, "r");
    if (file == nullptr)
        return;
    char name[64] = {};
    if (std::fscanf(file, "%63s", name) == 1)
        setenv("DISPLAY", name, 1);
    std::fclose(file);
}

// Memory that the X, GLUT and Mesa libraries keep for the life of the
// process is not ours to free; the leak checker of the sanitizer build is
// told so here, where it is linked into every test program.
//
// The leak checker does not walk thread-local storage: with as many libraries
// as Mesa loads, this toolchain's walk of their dynamic thread-local blocks
// reads a wild address and the checker dies after the tests have passed.  The
// game keeps nothing in thread-local storage; what the C library, the loader
// and the test framework keep there is named below instead.
extern "C" const char* __lsan_default_options()
{
    return "use_tls=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libX11\nleak:libxcb\nleak:libglut\nleak:libGLX\nleak:libGL.so\n"
           "leak:libGLdispatch\nleak:_dri.so\nleak:libLLVM\nleak:libdrm\nleak:libglapi\n"
           "leak:libgallium\nleak:libdbus\n"
           "leak:add_to_global_resize\nleak:_dlerror_run\n"
           "leak:testing::internal::ThreadLocal\nleak:GetTestPartResultReporterForCurrentThread\n";
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // Look for leaks now, while Mesa's driver is still loaded: at exit it is
    // unloaded first, and what it still holds would show up as leaks from an
    // unknown module, past the suppressions above.
    __lsan_do_leak_check();
#endif
    return result;
}
