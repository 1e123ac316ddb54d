#include "cli_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace helion::test {
namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

CliResult runCli(const std::string& arguments) {
    const auto dir = std::filesystem::temp_directory_path() / ("helion-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto out = dir / "out.txt", err = dir / "err.txt";
    const std::string command = std::string(HELION_CLI) + " " + arguments + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    CliResult r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
    std::filesystem::remove_all(dir);
    return r;
}

}  // namespace helion::test
