#include "devlibs/scene_setup/SceneOptions.h"

#include "game/Tile.h"
#include "pieces/NumberDisplay.h"
#include "themes/Theme.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

const struct {
    const char* name;
    BoardState board;
} kBoards[] = {{"start", BoardState::Start},
               {"full", BoardState::Full},
               {"fading", BoardState::Fading},
               {"gameover", BoardState::GameOver}};

// The names joined by `separator`, in table order.
template <typename Table, typename Name>
std::string joined(const Table& table, Name name, const char* separator)
{
    std::string list;
    for (const auto& entry : table)
        list += (list.empty() ? "" : separator) + std::string(name(entry));
    return list;
}

const char* boardName(BoardState board)
{
    for (const auto& entry : kBoards)
        if (entry.board == board)
            return entry.name;
    return "";
}

}  // namespace

void printSceneOptionsUsage(std::FILE* out)
{
    const SceneOptions defaults;
    const std::string boards = joined(kBoards, [](const auto& entry) { return entry.name; }, "|");
    const std::string buttons =
        joined(kPowerButtonFacts, [](const PowerButtonFacts& facts) { return facts.label; }, ",");
    std::fprintf(out,
                 "  --board %s   board state (default %s)\n"
                 "  --theme N        colour theme 0..%d (default %d)\n"
                 "  --angle DEG      turntable angle in degrees (default %g)\n"
                 "  --score N        score shown, 0..%d (default %d)\n"
                 "  --fade-frame K   fade frame 1..%d shown by fading tiles (default %d; after\n"
                 "                   game over the default is the finished fade)\n"
                 "  --seed N         seed for the tile colours (default %u)\n"
                 "  --armed LIST     armed power-ups, comma-separated: %s\n"
                 "  --column-colours every tile and marker opaque in one flat colour per\n"
                 "                   column, materials ignored (to see which column shows)\n",
                 boards.c_str(), boardName(defaults.board), kThemeCount - 1, defaults.theme, defaults.angle,
                 kLargestWholeValue, defaults.score, kFadeFrames, kDefaultFadeFrame, defaults.seed,
                 buttons.c_str());
}

bool parseInteger(const char* text, long low, long high, long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= low && value <= high;
}

namespace {

bool parseAngle(const char* text, double& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text, &end);
    return errno == 0 && end != text && *end == '\0' && value > -1e6 && value < 1e6;
}

bool parseBoard(const std::string& name, BoardState& board)
{
    for (const auto& entry : kBoards)
        if (name == entry.name) {
            board = entry.board;
            return true;
        }
    return false;
}

bool parseArmed(const std::string& list, bool (&armed)[kPowerButtonCount])
{
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        const int slot = powerSlotOf(item);
        if (slot < 0)
            return false;
        armed[slot] = true;
    }
    return true;
}

// Applies one option and its value; false if either is not understood.
bool applyOption(const std::string& name, const char* value, SceneOptions& options)
{
    long number = 0;
    if (name == "--board")
        return parseBoard(value, options.board);
    if (name == "--angle")
        return parseAngle(value, options.angle);
    if (name == "--armed")
        return parseArmed(value, options.armed);
    if (name == "--theme" && parseInteger(value, 0, kThemeCount - 1, number))
        options.theme = static_cast<int>(number);
    else if (name == "--score" && parseInteger(value, 0, kLargestWholeValue, number))
        options.score = static_cast<int>(number);
    else if (name == "--fade-frame" && parseInteger(value, 1, kFadeFrames, number))
        options.fadeFrame = static_cast<int>(number);
    else if (name == "--seed" && parseInteger(value, 0, 0x7fffffff, number))
        options.seed = static_cast<unsigned>(number);
    else
        return false;
    return true;
}

}  // namespace

bool parseSceneOptions(int count, char** args, SceneOptions& options, std::string& error)
{
    for (int i = 0; i < count; i += 2) {
        const std::string name = args[i];
        if (name == "--column-colours") {
            options.columnColors = true;
            i -= 1;  // a flag: no value follows
            continue;
        }
        if (i + 1 >= count) {
            error = "option " + name + " needs a value";
            return false;
        }
        if (!applyOption(name, args[i + 1], options)) {
            error = "cannot use " + name + " " + args[i + 1];
            return false;
        }
    }
    return true;
}
