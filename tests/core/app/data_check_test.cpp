#include "core/app/data_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../base/temp_folder.h"

namespace helion {
namespace {

// A copy of the shipped data, to be spoiled by the test before it is checked.
class ShippedCopy : public test::TempFolder {
public:
    ShippedCopy() { std::filesystem::copy(HELION_SOURCE_DIR "/data", path()); }

    // Each finding as "FILE:line: text" (no line for the whole file), and the counts.
    std::string findings(std::size_t& problems, std::size_t& warnings) const {
        std::string listed;
        const auto add = [&](const FileCheck& check, const LineProblem& p, const char* kind) {
            listed += check.file + (p.line > 0 ? ":" + std::to_string(p.line) : "") + ": " + kind + p.text + "\n";
        };
        problems = warnings = 0;
        for (const FileCheck& check : checkDataFolder(path())) {
            for (const LineProblem& p : check.problems) add(check, p, "");
            for (const LineProblem& p : check.warnings) add(check, p, "warning: ");
            problems += check.problems.size();
            warnings += check.warnings.size();
        }
        return listed;
    }
};

// One planted mistake of each kind: a row replaces line `line` of `file` with `text`;
// line 0 replaces the whole file, and no text removes it.
struct Mistake {
    const char* file;
    int line;
    const char* text;
    const char* reported;
};

constexpr Mistake kMistakes[] = {
    {"OPTIONS.OPT", 1, "8,5", "OPTIONS.OPT:1: \"8,5\" is read as 8"},
    {"OPTIONS.OPT", 3, "1e999", "OPTIONS.OPT:3: the number 1e999 is too large to be held"},
    {"OPTIONS.OPT", 4, "-2",
     "OPTIONS.OPT:4: the value -2 is out of range: the orbs of the natal report are 0 to 180 degrees"},
    {"OPTIONS.OPT", 47, "2", "OPTIONS.OPT:47: the value 2 is out of range: this switch is 0 (off) or 1 (on)"},
    {"OPTIONS.MAS", 0, "8\r\n6\r\n", "OPTIONS.MAS: holds 2 value lines of 222: entries 3 to 222 are not set by it"},
    {"NATAL.ORB", 2, "six", "NATAL.ORB:2: no number"},
    {"ZONE.LL", 0, "Bad,Place,84W23,33N45,x\r\n", "ZONE.LL:1: the time zone \"x\" is not a number"},
    {"TZ.DAT", 2, "Nowhere Time,NWT,99", "TZ.DAT:2: the offset 99 is outside -13 to 12 hours"},
    {"TZ.DAT", 5, "Marquesas Time MART 9.5", "TZ.DAT:5: the code"},
    {"NAMES.FIL", 1, "Year 2100,07 Mar 2100,10.30,A,5,74.00,40.43",
     "NAMES.FIL:1: the chart computation refuses the record: a month above 12, a day above 31 or a year"},
    {"HCDATA.DAT", 7, "900", "HCDATA.DAT:7: the value 900 is outside -225 to 225"},
    {"RADIUS.DAT", 0, nullptr, "RADIUS.DAT: the file is missing"},
    {"HINTS.HLP", 0, nullptr, "HINTS.HLP: the file cannot be read: it is missing"},
    {"PHILO.HLP", 0, "", "PHILO.HLP: the file is empty"},
    {"ATLAS.DAT", 3, "", "ATLAS.DAT:3: the section #zones counts"},
};

std::string withLine(std::string text, int line, std::string_view value) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) start = text.find('\n', start) + 1;
    return text.replace(start, text.find_first_of("\r\n", start) - start, value);
}

// The shipped data is clean (the command line's test), so each planted mistake is one problem.
TEST(DataCheck, ReportsEachPlantedMistakeOnceAtItsLine) {
    const ShippedCopy folder;
    for (const Mistake& m : kMistakes) {
        if (!m.text) {
            std::filesystem::remove(folder.path() / m.file);
            continue;
        }
        const std::string before = folder.read(m.file);
        folder.write(m.file, m.line == 0 ? std::string(m.text) : withLine(before, m.line, m.text));
    }
    std::size_t problems = 0, warnings = 0;
    const std::string found = folder.findings(problems, warnings);
    for (const Mistake& m : kMistakes) EXPECT_NE(found.find(m.reported), std::string::npos) << m.reported << found;
    EXPECT_EQ(problems, std::size(kMistakes)) << found;
}

// Not mistakes, but worth knowing; a file that cannot be opened is a problem.
TEST(DataCheck, WarnsOfEmptyFilesAndNamesAFileItCannotOpen) {
    const ShippedCopy folder;
    folder.write("EMPTY.FIL", "");
    folder.write("EMPTY.LL", "");
    for (const char* name : {"LOOP.FIL", "ATLAS.DAT"}) {
        std::filesystem::remove(folder.path() / name);
        std::filesystem::create_symlink(folder.path() / name, folder.path() / name);
    }
    std::size_t problems = 0, warnings = 0;
    const std::string found = folder.findings(problems, warnings);
    for (const char* line :
         {"ATLAS.DAT: the file cannot be read: its symbolic links loop\n",
          "EMPTY.FIL: warning: the file holds no names\n", "EMPTY.LL: warning: the file holds no places\n",
          "LOOP.FIL: the file cannot be read: its symbolic links loop\n"})
        EXPECT_NE(found.find(line), std::string::npos) << line << found;
    EXPECT_EQ(problems, 2u);
    EXPECT_EQ(warnings, 2u);
}

}  // namespace
}  // namespace helion
