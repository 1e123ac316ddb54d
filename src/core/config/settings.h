#pragma once
// The working environment remembered between runs in Helion.INI: the Data window
// font, window geometry (in twips), the names and city files last used, the atlas
// folder, the wheel scale and chart type.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/line_problem.h"
#include "core/base/message.h"

namespace helion {

inline constexpr std::string_view kSettingsFile = "Helion.INI";
inline constexpr std::string_view kSettingsHeader = "[Helion] - Do NOT change the order of these variables.";
inline constexpr double kSmallestFontSize = 7.75;

struct Settings {
    double fontSize = 8.5;
    double fontBold = 0;
    double fontItalic = 0;
    double helionTop = 0;
    double helionLeft = 0;
    double helionHeight = 675;
    double helionWidth = 10860;
    std::int16_t dataTop = 675;
    std::int16_t dataLeft = 0;
    std::int16_t dataHeight = 8250;
    std::int16_t dataWidth = 9600;
    std::string dataFile;
    std::string geoDataFile;
    std::string atlasDir;
    std::int16_t startScale = 287;
    std::int16_t typeChart = 0;
    std::int16_t spreadGlyphs = 0;  // 1: the wheels spread crowded glyph stacks
    // The kinds the Timeline window searches, by name joined with commas; empty at first.
    std::string timelineKinds;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The built-in values, with the names and city files of the program folder.
Settings defaultSettings(const std::filesystem::path& programFolder);

struct SettingsRead {
    Settings settings;
    std::vector<LineProblem> problems;  // ignored lines and refused values
    std::optional<Message> error;       // the file exists but cannot be used
};

// Applies the lines of a settings text over `start`: each line is matched by its
// beginning against the key names, the value is the text after the first "=", and
// each key has its acceptance rule; the last of repeated keys wins.
SettingsRead parseSettings(std::string_view text, Settings start);

// The defaults, then the file when it exists. A missing file is no error.
SettingsRead readSettings(const std::filesystem::path& programFolder);

// The file text: the header, then every key in its fixed order. Numbers that are not
// negative get a leading blank; the AtlasDir line is left out while it is empty.
std::string formatSettings(const Settings& settings);

std::optional<Message> writeSettings(const std::filesystem::path& programFolder, const Settings& settings);

}  // namespace helion
