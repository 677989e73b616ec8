#pragma once
// Where the game reads its themes and models from, and entering that folder
// before any of them is read.

#include <string>

// ---- The search ------------------------------------------------------------

// The search only decides, from what it is given, so that it can be tried on
// folders of any shape.

// What the search looks at.
struct DataFolderPlaces {
    const char* namedFolder = nullptr;  // HEXTOWER_DATA; null when unset
    std::string workingDirectory;
    std::string programPath;  // the running program's file, links resolved
    // The name of the note that marks a build tree: a file beside the
    // program's folder (build/bin) that names the checkout's data folder.
    std::string checkoutNoteName;
    // The installed data folder, relative to the installed program's folder.
    std::string installedDataFromProgram;
};

// The chosen folder, or, when none holds the data, the one line (without its
// newline) that tells where the search looked and what to do.
struct DataFolderChoice {
    std::string folder;
    std::string failure;
};

// What every error line of the search begins with: the program's file name
// and a colon ("hextower: " where the name is unknown).
std::string errorLinePrefix(const DataFolderPlaces& places);

// A folder holds the game's data when it has the themes and the tile model.
bool holdsGameData(const std::string& folder);

// The data folder that belongs to the program itself: the one its build
// tree's note names, otherwise the installed one beside it; empty when the
// program's own place is unknown.
std::string ownDataFolder(const DataFolderPlaces& places);

// In order: the folder HEXTOWER_DATA names, when it is set, and then only
// that one; the working directory; the program's own data folder: its
// checkout's assets when it runs from its build tree, otherwise the
// installed data folder beside it.
DataFolderChoice chooseDataFolder(const DataFolderPlaces& places);

// ---- Entering the folder ---------------------------------------------------

// The folder is settled and made the working directory before any of the
// game's objects reads a file.

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
