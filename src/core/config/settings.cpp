#include "core/config/settings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <variant>

#include "core/base/numeric_text.h"
#include "core/base/text_file.h"
#include "core/config/value_lines.h"

namespace helion {

namespace {

enum class Accept { Always, FontSize, Positive, NotEmpty };

using Field = std::variant<double Settings::*, std::int16_t Settings::*, std::string Settings::*>;

struct Key {
    std::string_view name;
    Field field;
    Accept accept;
    bool omitWhenEmpty = false;
};

// In the order the file is written.
const std::array<Key, 18> kKeys{{
    {"FontSize", &Settings::fontSize, Accept::FontSize},
    {"FontBold", &Settings::fontBold, Accept::Always},
    {"FontItalic", &Settings::fontItalic, Accept::Always},
    {"HelionTop", &Settings::helionTop, Accept::Always},
    {"HelionLeft", &Settings::helionLeft, Accept::Always},
    {"HelionHeight", &Settings::helionHeight, Accept::Positive},
    {"HelionWidth", &Settings::helionWidth, Accept::Positive},
    {"DataTop", &Settings::dataTop, Accept::Positive},
    {"DataLeft", &Settings::dataLeft, Accept::Always},
    {"DataHeight", &Settings::dataHeight, Accept::Positive},
    {"DataWidth", &Settings::dataWidth, Accept::Positive},
    {"DataFile", &Settings::dataFile, Accept::NotEmpty},
    {"GeoDataFile", &Settings::geoDataFile, Accept::NotEmpty},
    {"AtlasDir", &Settings::atlasDir, Accept::NotEmpty, true},
    {"StartScale", &Settings::startScale, Accept::Always},
    {"TypeChart", &Settings::typeChart, Accept::Always},
    {"SpreadGlyphs", &Settings::spreadGlyphs, Accept::Always},
    {"TimelineKinds", &Settings::timelineKinds, Accept::NotEmpty, true},
}};

std::string formatNumber(double value) {
    if (value == 0.0) value = 0.0;  // no "-0"
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return (value >= 0 ? " " : "") + std::string(digits.data(), end);
}

// Why a number is refused for its key, or empty when it is taken.
std::string refusal(Accept accept, double value) {
    if (accept == Accept::FontSize && !(value >= kSmallestFontSize)) return "a font size below 7.75 is ignored";
    if (accept == Accept::Positive && !(value > 0)) return "a value that is not greater than 0 is ignored";
    return {};
}

bool fitsSixteenBits(double whole) {
    return whole >= std::numeric_limits<std::int16_t>::min() && whole <= std::numeric_limits<std::int16_t>::max();
}

// Applies one line's value to its key; returns what was wrong with it, or empty.
std::string apply(const Key& key, std::string_view value, Settings& settings) {
    if (auto text = std::get_if<std::string Settings::*>(&key.field)) {
        if (value.empty()) return "an empty value is ignored";
        settings.*(*text) = std::string(value);
        return {};
    }
    // A value that is not a number counts as 0 and then meets the key's rule.
    const double number = numericValue(value);
    std::string why = refusal(key.accept, number);
    if (why.empty()) {
        if (auto real = std::get_if<double Settings::*>(&key.field)) {
            settings.*(*real) = number;
        } else if (const double whole = std::round(number); fitsSixteenBits(whole)) {
            settings.*std::get<std::int16_t Settings::*>(key.field) = static_cast<std::int16_t>(whole);
        } else {
            why = "a value outside -32768..32767 is ignored";
        }
    }
    if (startsWithNumber(value)) return why;
    return "not a number, read as 0" + (why.empty() ? std::string() : "; " + why);
}

}  // namespace

Settings defaultSettings(const std::filesystem::path& programFolder) {
    Settings settings;
    settings.dataFile = (programFolder / "NAMES.FIL").string();
    settings.geoDataFile = (programFolder / "GA_MA.LL").string();
    return settings;
}

SettingsRead parseSettings(std::string_view text, Settings start) {
    SettingsRead read{std::move(start), {}, std::nullopt};
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        const auto equals = line.find('=');
        const std::string_view value = equals == std::string_view::npos ? line : line.substr(equals + 1);
        bool matched = false;
        for (const Key& key : kKeys) {
            if (!line.starts_with(key.name)) continue;
            matched = true;
            if (const auto why = apply(key, value, read.settings); !why.empty())
                read.problems.push_back({lineNumber, std::string(key.name) + ": " + why});
            break;
        }
        if (!matched && line != kSettingsHeader && !line.empty())
            read.problems.push_back({lineNumber, "not a setting; the line is ignored"});
    }
    return read;
}

SettingsRead readSettings(const std::filesystem::path& programFolder) {
    const auto file = programFolder / kSettingsFile;
    const Settings defaults = defaultSettings(programFolder);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return SettingsRead{defaults, {}, std::nullopt};
    const auto text = readTextFile(file);
    if (!text || !looksLikeText(*text))
        return SettingsRead{
            defaults,
            {},
            errorMessage("The settings file " + file.string() + " cannot be read. The built-in settings are used.")};
    return parseSettings(*text, defaults);
}

std::string formatSettings(const Settings& settings) {
    std::string text = std::string(kSettingsHeader) + std::string(kLineBreak);
    for (const Key& key : kKeys) {
        std::string value;
        if (auto real = std::get_if<double Settings::*>(&key.field))
            value = formatNumber(settings.*(*real));
        else if (auto small = std::get_if<std::int16_t Settings::*>(&key.field))
            value = formatNumber(settings.*(*small));
        else
            value = settings.*std::get<std::string Settings::*>(key.field);
        if (key.omitWhenEmpty && value.empty()) continue;
        text += std::string(key.name) + "=" + value + std::string(kLineBreak);
    }
    return text;
}

std::optional<Message> writeSettings(const std::filesystem::path& programFolder, const Settings& settings) {
    const auto file = programFolder / kSettingsFile;
    const FileWrite written = writeFileAtomically(file, formatSettings(settings));
    if (written) return std::nullopt;
    return errorMessage("The settings file " + file.string() + cannotBeWritten(written));
}

}  // namespace helion
