#include "cli_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "core/base/text_file.h"

namespace helion::test {

CliResult runProgram(const std::string& program, const std::string& arguments) {
    const auto dir = std::filesystem::temp_directory_path() / ("helion-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto out = dir / "out.txt", err = dir / "err.txt";
    const std::string command = program + " " + arguments + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    CliResult r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readTextFile(out).value_or(""), readTextFile(err).value_or("")};
    std::filesystem::remove_all(dir);
    return r;
}

CliResult runCli(const std::string& arguments) { return runProgram(HELION_CLI, arguments); }

std::vector<nlohmann::ordered_json> jsonLines(const std::string& out) {
    std::vector<nlohmann::ordered_json> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) lines.push_back(nlohmann::ordered_json::parse(line));
    return lines;
}

}  // namespace helion::test
