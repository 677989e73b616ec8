#include "app/EnterDataFolder.h"

#include "app/DataFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// Held in a function so that it exists before the global objects of other
// files, which are built in no set order, ask for it.
std::string& startFolder()
{
    static std::string folder;
    return folder;
}

// What the data-folder search looks at, as this process sees it.
DataFolderPlaces placesOfThisProcess()
{
    DataFolderPlaces places;
    places.namedFolder = std::getenv("HEXTOWER_DATA");
    std::error_code error;
    places.workingDirectory = std::filesystem::current_path(error).string();
    places.programPath = std::filesystem::read_symlink("/proc/self/exe", error).string();
    places.checkoutNoteName = HEXTOWER_CHECKOUT_NOTE;
    places.installedDataFromProgram = HEXTOWER_INSTALLED_DATA_FROM_PROGRAM;
    return places;
}

}  // namespace

const std::string& startingFolder()
{
    return startFolder();
}

std::string programDataFolder()
{
    return ownDataFolder(placesOfThisProcess());
}

void enterDataFolder()
{
    const DataFolderPlaces places = placesOfThisProcess();
    startFolder() = places.workingDirectory;
    DataFolderChoice choice = chooseDataFolder(places);
    if (choice.failure.empty() && chdir(choice.folder.c_str()) != 0)
        choice.failure = errorLinePrefix(places) + "cannot enter the data folder " + choice.folder;
    if (choice.failure.empty())
        return;
    std::fprintf(stderr, "%s\n", choice.failure.c_str());
    std::exit(1);
}
