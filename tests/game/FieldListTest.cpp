// The lists that the redraw fingerprint and the resets read.  The compiler
// holds each record's list to its number of fields; here each must name the
// fields in the order they are declared, so none is listed twice and, with
// the count, none is left out.  The board's globals have no compiler count:
// their list is held to the globals the game library defines.

#include "game/BoardState.h"
#include "game/GameController.h"
#include "game/Tile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

template <typename Record, typename Fields>
void expectDeclarationOrder(const Record& record, const Fields& fields)
{
    std::uintptr_t previous = 0;
    int entry = 0;
    forEachField(fields, [&](const auto& field) {
        const auto at = reinterpret_cast<std::uintptr_t>(&(record.*field.member));
        EXPECT_GT(at, previous) << "entry " << entry << " is out of order or listed twice";
        previous = at;
        ++entry;
    });
}

TEST(FieldLists, NameEveryFieldOnceInDeclarationOrder)
{
    const Tile tile;
    expectDeclarationOrder(tile, kTileFields);
    expectDeclarationOrder(GameController(), kGameControllerFields);
}

// A symbol of the compiler's or the sanitizers' own ("__" or a dot in its
// name), or a constant (kName), which the sanitizer build keeps in writable
// memory too.
bool isStateOfTheGame(const std::string& name)
{
    const std::size_t scope = name.rfind("::");
    const std::string last = scope == std::string::npos ? name : name.substr(scope + 2);
    const bool constant = last.size() > 1 && last[0] == 'k' && std::isupper(static_cast<unsigned char>(last[1]));
    return !constant && name.rfind("__", 0) != 0 && name.rfind("guard variable", 0) != 0 &&
           name.find('.') == std::string::npos;
}

// The writable globals the game library defines, as nm names them: its
// state, and function statics too.
std::vector<std::string> gameLibraryGlobals()
{
    std::vector<std::string> names;
    FILE* nm = popen("nm --defined-only --demangle " HEXTOWER_GAME_LIBRARY, "r");
    if (nm == nullptr)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, nm) != nullptr) {
        std::istringstream words(line);
        std::string address, type, name;
        if (!(words >> address >> type) || type.size() != 1 || std::string("BbDdGgSs").find(type) == std::string::npos)
            continue;
        std::getline(words >> std::ws, name);
        if (isStateOfTheGame(name))
            names.push_back(name);
    }
    pclose(nm);
    return names;
}

TEST(FieldLists, TheBoardStateListsEveryGlobalOfTheGameOnce)
{
    std::set<const void*> listed;
    forEachField(kBoardState, [&](const auto& state) { listed.insert(state.variable); });
    EXPECT_EQ(listed.size(), std::tuple_size_v<decltype(kBoardState)>) << "a global is listed twice";

    const std::vector<std::string> globals = gameLibraryGlobals();
    std::string names;
    for (const std::string& name : globals)
        names += " " + name;
    EXPECT_EQ(globals.size(), listed.size())
        << "the game library defines" << names
        << ": give each global a line in kBoardState, saying whether it shows and its value in a new game";
}

}  // namespace
