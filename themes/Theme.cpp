#include "themes/Theme.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

// ---- The theme record ------------------------------------------------------

void Theme::addTileColor(PackedColor color)
{
    if (tileColorCount >= kTileColorsPerTheme)
        return;
    tileColors[tileColorCount] = color;
    tileColorCount += 1;
}

int Theme::randomColorIndex() const
{
    // A theme that was never loaded has no colours; index 0 is then the only
    // safe answer (its zero-filled colour).
    if (tileColorCount <= 0)
        return 0;
    return std::rand() % tileColorCount;
}

// ---- The theme file --------------------------------------------------------

namespace {

constexpr int kTokensPerTheme = 28;  // a name and nine colours of three integers
constexpr std::size_t kShownTokenBytes = 32;

// A token from the file as a message can show it: printable ASCII as it is,
// every other byte (control bytes, other encodings) and the quote and
// backslash as \xNN, so that nothing reaches the terminal raw; a long token
// is cut short.
std::string printableToken(const std::string& token)
{
    std::string shown;
    for (std::size_t i = 0; i < token.size() && i < kShownTokenBytes; ++i) {
        const unsigned char byte = static_cast<unsigned char>(token[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            shown += static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    if (token.size() > kShownTokenBytes)
        shown += "...";
    return shown;
}

// Names the colour that integer token `token` (2..28) of a theme belongs to.
std::string describeToken(int token)
{
    static const char* const kComponents[] = {"red", "green", "blue"};
    const int integer = token - 2;
    const int color = integer / 3;
    const char* component = kComponents[integer % 3];
    if (color < kTileColorsPerTheme)
        return "tile colour " + std::to_string(color + 1) + " " + component;
    static const char* const kOthers[] = {"background", "idle button", "armed button"};
    return std::string(kOthers[color - kTileColorsPerTheme]) + " " + component;
}

// Reads the themes one token at a time and remembers where the first
// extraction failed.  After a failure the stream stays failed, so every later
// value reads as 0: the records are always fully written.
class ThemeReader {
public:
    explicit ThemeReader(std::istream& in) : in_(in) {}

    void readTheme(int themeNumber, Theme& theme)
    {
        theme_ = themeNumber;
        token_ = 1;
        currentName_.clear();
        if (!(in_ >> theme.name)) {
            theme.name.clear();
            noteFailure();
        }
        currentName_ = theme.name;
        theme.tileColorCount = 0;
        for (int i = 0; i < kTileColorsPerTheme; ++i)
            theme.addTileColor(readColor());
        theme.backgroundColor = readColor();
        theme.idleColor = readColor();
        theme.armedColor = readColor();
        theme.numberColor = theme.armedColor;
    }

    bool failed() const { return failedTheme_ >= 0; }

    void report(const char* sourceName) const
    {
        if (!failed())
            return;
        std::string where = "theme " + std::to_string(failedTheme_ + 1);
        if (!failedThemeName_.empty())
            where += " (\"" + printableToken(failedThemeName_) + "\")";
        const std::string what = failedToken_ == 1 ? "its name" : describeToken(failedToken_);
        std::fprintf(stderr, "%s: reading stopped at %s, token %d of %d (%s): %s; "
                             "the rest of the colours are black\n",
                     sourceName, where.c_str(), failedToken_, kTokensPerTheme, what.c_str(), reason_.c_str());
    }

private:
    PackedColor readColor()
    {
        const std::uint8_t r = readByte();
        const std::uint8_t g = readByte();
        const std::uint8_t b = readByte();
        return packColor(r, g, b);
    }

    std::uint8_t readByte()
    {
        ++token_;
        int value = 0;
        if (!(in_ >> value)) {
            value = 0;
            noteFailure();
        }
        return static_cast<std::uint8_t>(value & 0xFF);
    }

    void noteFailure()
    {
        if (failed())
            return;
        failedTheme_ = theme_;
        failedToken_ = token_;
        failedThemeName_ = currentName_;
        if (in_.bad()) {
            reason_ = std::string("the file cannot be read: ") + std::strerror(errno);
            return;
        }
        in_.clear();
        const bool endOfFile = !(in_ >> std::ws) || in_.peek() == std::char_traits<char>::eof();
        reason_ = endOfFile ? "the file ends there" : "not an integer";
        in_.setstate(std::ios::failbit);
    }

    std::istream& in_;
    int theme_ = 0;
    int token_ = 0;
    int failedTheme_ = -1;
    int failedToken_ = 0;
    std::string reason_;  // why the failed extraction failed
    std::string currentName_;
    std::string failedThemeName_;
};

// Reads all twelve records; the reader knows where reading stopped, if it did.
ThemeReader readAll(std::istream& in, Theme (&themes)[kThemeCount])
{
    ThemeReader reader(in);
    for (int i = 0; i < kThemeCount; ++i)
        reader.readTheme(i, themes[i]);
    return reader;
}

}  // namespace

bool readThemes(std::istream& in, const char* sourceName, Theme (&themes)[kThemeCount])
{
    const ThemeReader reader = readAll(in, themes);
    reader.report(sourceName);
    return !reader.failed();
}

bool loadThemes(Theme (&themes)[kThemeCount], const char* fileName)
{
    // A folder opens as a stream but reads as nothing.
    std::error_code ignored;
    const bool folder = std::filesystem::is_directory(fileName, ignored);
    std::ifstream file;
    if (!folder)
        file.open(fileName);
    if (folder || !file) {
        const std::string problem = folder ? "it is a folder" : std::strerror(errno);
        std::fprintf(stderr, "%s: cannot open the theme file: %s; every colour is black\n", fileName,
                     problem.c_str());
        std::istringstream nothing;
        readAll(nothing, themes);  // every record zero-filled, six colours each
        return false;
    }
    return readThemes(file, fileName, themes);
}

// ---- Stepping --------------------------------------------------------------

int steppedThemeIndex(int themeIndex, int direction)
{
    const int next = direction > 0 ? themeIndex + 1 : themeIndex - 1;
    return (next + kThemeCount) % kThemeCount;
}
