#include "golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "core/base/text_file.h"

namespace helion::test {

namespace fs = std::filesystem;

const fs::path& goldenRoot() {
    static const fs::path root = fs::path(HELION_SOURCE_DIR) / "tests" / "golden";
    return root;
}

std::string folderOption(const char* folder) {
    return " --folder '" + (goldenRoot() / "folders" / folder).string() + "'";
}

const std::string& sampleNatal() {
    static const std::string natal = "--natal 'Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43'";
    return natal;
}

const std::vector<GoldenCase>& goldenCases() {
    static const std::vector<GoldenCase> cases = {
        {"north_west",
         sampleNatal() + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'" + folderOption("standard")},
        {"south_east",
         "--natal 'Southern Chart,15 Jul 1988,8.45,P,-10,-151.12,-33.52' "
         "--diurnal 'Sydney,01 Feb 2026,9.00,A,-11,-151.12,-33.52' --house K" +
             folderOption("minor")},
        {"sign_edges",
         "--natal 'Edge Case,07 Jan 1995,4.56,A,0,0.07,51.30' "
         "--diurnal 'Later,07 Jan 2025,4.56,A,0,0.07,51.30' --house R" +
             folderOption("standard")},
        {"second_person", sampleNatal() + " --diurnal 'Partner,21 Jun 1955,11.15,P,6,87.39,41.51' --second-person" +
                              folderOption("standard")},
        {"porphyry",
         "--natal 'Leap Day,29 Feb 1960,3.15,A,-5.5,-77.13,28.36' "
         "--diurnal 'Delhi,15 Aug 2026,6.00,P,-5.5,-77.13,28.36' --house O" +
             folderOption("standard")},
        {"meridian",
         "--natal 'Arctic Chart,21 Dec 1980,11.20,P,-1,-18.57,69.39' "
         "--diurnal 'Tromso,21 Jun 2026,12.00,A,-2,-18.57,69.39' --house M" +
             folderOption("standard")},
    };
    return cases;
}

std::string readFile(const fs::path& path) { return readTextFile(path).value_or(""); }

void expectMatchesGolden(const std::string& actual, const fs::path& golden) {
    if (std::getenv("UPDATE_GOLDEN")) {
        fs::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << actual;
        return;
    }
    if (actual == readFile(golden)) return;
    fs::path out = golden;
    out += ".actual";
    std::ofstream(out, std::ios::binary) << actual;
    ADD_FAILURE() << "text differs; run: diff -u " << golden << " " << out;
}

}  // namespace helion::test
