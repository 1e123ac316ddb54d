#pragma once
// The charts whose reports are kept as reviewed golden texts under tests/golden/, and
// the comparison that writes a .actual file beside a golden text that differs.
// UPDATE_GOLDEN=1 rewrites the golden texts instead (review the diff before committing).

#include <filesystem>
#include <string>
#include <vector>

namespace helion::test {

struct GoldenCase {
    const char* name;
    std::string arguments;  // the records, house system and program folder options
};

const std::filesystem::path& goldenRoot();
// --folder naming one of the program folders under tests/golden/folders/.
std::string folderOption(const char* folder);
const std::string& sampleNatal();

// North-west; south-east with Koch houses and the minor aspects in the grid; a Moon at
// 29 PIS 59.8 with Venus and Pluto at 29.7 degrees of their signs; a second person;
// Porphyry houses on a leap day in a half-hour zone east of Greenwich; Meridian houses
// above the polar circle.
const std::vector<GoldenCase>& goldenCases();

std::string readFile(const std::filesystem::path& path);
void expectMatchesGolden(const std::string& actual, const std::filesystem::path& golden);

}  // namespace helion::test
