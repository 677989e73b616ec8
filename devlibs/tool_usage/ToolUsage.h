#pragma once
// Every development program answers --help (or -h) with its usage on
// standard output and status 0, before anything else of it runs: the
// programs that link the game's global objects would otherwise read the
// game's models first, as the game does.

#include <cstdio>

// Defined by each program: its usage, printed to `out`.  It runs before the
// program's global objects are built, so it may use only constants.
void printUsage(std::FILE* out, const char* program);
