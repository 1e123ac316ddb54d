#pragma once
// Checks every data file of a program folder with the readers the program itself
// uses, so that a user who edits them by hand learns exactly where a mistake is.

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/line_problem.h"

namespace helion {

struct FileCheck {
    std::string file;                   // the name within the folder
    std::string loaded;                 // what was read, for example "222 values"
    std::vector<LineProblem> problems;  // line 0 for faults of the whole file
    std::vector<LineProblem> warnings;  // worth knowing but not wrong: an empty names file
};

// The options files, every orb, cities and names file in the folder, the time-zone
// table, the settings file when there is one, and the help texts. Files the program
// ships must be present. Beyond their form, the numbers are checked against the ranges
// their use sets (the wheel tables' against the frame they are drawn in), the files must
// hold all their entries, and every names record must pass the checks the chart
// computation makes of the input windows.
std::vector<FileCheck> checkDataFolder(const std::filesystem::path& folder);

}  // namespace helion
