#include "core/input/time_zone_table.h"

#include "core/base/file_error.h"
#include "core/base/numeric_text.h"
#include "core/base/record_fields.h"
#include "core/base/text_file.h"

namespace helion {

namespace {

struct Token {
    std::string text;
    int line;
    bool startsLine;
};

// Fields separated by commas or line breaks, each with the line it stands on.
std::vector<Token> tokens(std::string_view text) {
    std::vector<Token> result;
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool first = true;
        for (auto& field : trimmedFields(lines[i])) {
            result.push_back({std::move(field), static_cast<int>(i) + 1, first});
            first = false;
        }
    }
    return result;
}

// After a faulty record that runs over into a line of several fields, the next record
// starts with that line: a line that lacks a comma would otherwise shift every record
// after it, each one a fault of its own. Records written one field per line go on as read.
std::size_t resumeAfterFault(const std::vector<Token>& fields, std::size_t next) {
    for (std::size_t i = next - 2; i < next; ++i)
        if (fields[i].startsLine && i + 1 < fields.size() && fields[i + 1].line == fields[i].line) return i;
    return next;
}

std::string faultOf(const TimeZoneEntry& zone) {
    if (zone.name.size() > kZoneNameWidth) return "the name is longer than 32 characters";
    if (zone.code.size() > kZoneCodeWidth) return "the code \"" + zone.code + "\" is longer than 4 characters";
    if (!exactNumber(zone.offset)) return "the offset \"" + zone.offset + "\" is not a number";
    return {};
}

std::size_t offsetIndent(std::string_view offset) {
    // "-0,5", written with a decimal comma, reads as -0 but is as wide as -0.5.
    if (offset.starts_with("-0,")) return 2;
    const double v = numericValue(offset);
    if (v >= 100) return 1;
    if (v >= 10) return 2;
    if (v >= 0) return 3;
    if (v > -10) return 2;
    if (v > -100) return 1;
    return 0;
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

}  // namespace

std::string timeZoneListLine(const TimeZoneEntry& zone) {
    return padded(zone.name, kZoneNameWidth) + " - " + padded(zone.code, kZoneCodeWidth) + " =" +
           std::string(offsetIndent(zone.offset), ' ') + zone.offset;
}

TimeZoneTable parseTimeZoneTable(std::string_view text) {
    TimeZoneTable table;
    const auto fields = tokens(text);
    std::size_t next = 0;
    while (next < fields.size() && !fields[next].text.empty()) {
        if (next + 2 >= fields.size()) {
            table.problems.push_back({fields[next].line, "the record lacks its code or offset"});
            break;
        }
        TimeZoneEntry zone{fields[next].text, fields[next + 1].text, fields[next + 2].text, fields[next].line};
        next += 3;
        if (const auto fault = faultOf(zone); !fault.empty()) {
            table.problems.push_back({zone.line, fault});
            next = resumeAfterFault(fields, next);
        }
        if (table.problems.empty()) table.zones.push_back(std::move(zone));
    }
    if (table.zones.empty() && table.problems.empty()) table.problems.push_back({0, "the table holds no time zone"});
    if (!table.problems.empty()) table.error = errorMessage(kTimeZoneCorruptText);
    return table;
}

TimeZoneTable loadTimeZoneTable(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    if (!text || !looksLikeText(*text)) {
        TimeZoneTable table;
        table.problems.push_back({0, text ? "not a text file" : "the file cannot be read: " + whyUnreadable(file)});
        table.error = errorMessage(kTimeZoneCorruptText);
        return table;
    }
    return parseTimeZoneTable(*text);
}

}  // namespace helion
