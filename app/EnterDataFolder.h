#pragma once
// Settles the data folder and makes it the working directory, before any of
// the game's objects reads a file.

#include <string>

// Chooses the folder from the process's own surroundings and changes into
// it; where no folder holds the data, says so in one line on standard error
// and ends the program with status 1, before any window or dialog.
void enterDataFolder();

// The working directory the program was started in, before it changed into
// the data folder: the folder a development program's output paths are
// meant from.
const std::string& startingFolder();

// The data folder that belongs to the running program (see ownDataFolder),
// for its usage; empty when its own place is unknown.
std::string programDataFolder();

// Defined first among the global objects, so that the folder is settled
// before the tiles and digits that are built after it read their models.
struct DataFolderEntry {
    DataFolderEntry() { enterDataFolder(); }
};
