#pragma once
// Runs helion-cli (or another program) with arguments and captures its output and exit status.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace helion::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// `program` may start with environment settings, as a shell command line does.
CliResult runProgram(const std::string& program, const std::string& arguments);
CliResult runCli(const std::string& arguments);

// Output that holds one JSON object a line, its keys in the order written.
std::vector<nlohmann::ordered_json> jsonLines(const std::string& out);

}  // namespace helion::test
