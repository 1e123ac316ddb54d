#pragma once
// Runs helion-cli (or another program) with arguments and captures its output and exit status.

#include <string>

namespace helion::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// `program` may start with environment settings, as a shell command line does.
CliResult runProgram(const std::string& program, const std::string& arguments);
CliResult runCli(const std::string& arguments);

}  // namespace helion::test
