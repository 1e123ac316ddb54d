#pragma once
// The charts kept as reviewed golden texts under tests/golden/. A text that differs is
// written beside it as .actual; UPDATE_GOLDEN=1 rewrites the golden texts instead.

#include <filesystem>
#include <string>
#include <vector>

namespace helion::test {

struct GoldenCase {
    const char* name;
    std::string arguments;  // the records, house system and program folder options
};

const std::filesystem::path& goldenRoot();
std::string folderOption(const char* folder);
const std::string& sampleNatal();

// North-west; south-east, Koch, minor aspects; a Moon at 29 PIS 59.8, Venus and Pluto at
// 29.7; a second person; Porphyry, leap day, half-hour zone east; Meridian above 66 N.
const std::vector<GoldenCase>& goldenCases();

std::string readFile(const std::filesystem::path& path);
void expectMatchesGolden(const std::string& actual, const std::filesystem::path& golden);

}  // namespace helion::test
