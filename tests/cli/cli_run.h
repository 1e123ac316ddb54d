#pragma once
// Runs helion-cli with arguments and captures its output and exit status.

#include <string>

namespace helion::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult runCli(const std::string& arguments);

}  // namespace helion::test
