#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "core/app/data_check.h"
#include "core/config/program_folder.h"

namespace helion::cli {

namespace {

void printCheck(const FileCheck& check) {
    std::cout << check.file << ": " << (check.loaded.empty() ? "not loaded" : check.loaded);
    if (!check.problems.empty()) std::cout << ", " << check.problems.size() << " problem(s)";
    std::cout << '\n';
    for (const auto& problem : check.problems) {
        std::cout << "  " << check.file;
        if (problem.line > 0) std::cout << ':' << problem.line;
        std::cout << ": " << problem.text << '\n';
    }
}

void runCheckData(const std::string& folderOption) {
    std::filesystem::path folder = folderOption;
    if (folder.empty()) {
        const ProgramFolder resolved = programFolderOfThisProcess();
        for (const auto& message : resolved.messages) std::cerr << message.caption << ' ' << message.text << '\n';
        folder = resolved.folder;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::cerr << "Error! " << folder.string() << " is not a folder.\n";
        setExitStatus(kBadInput);
        return;
    }
    std::cout << "Checking the data files in " << folder.string() << '\n';
    std::size_t problems = 0;
    const auto checks = checkDataFolder(folder);
    for (const auto& check : checks) {
        printCheck(check);
        problems += check.problems.size();
    }
    std::cout << checks.size() << " files checked, " << problems << " problem(s)\n";
    setExitStatus(problems == 0 ? 0 : 1);
}

}  // namespace

void addCheckDataCommand(CLI::App& app) {
    auto folder = std::make_shared<std::string>();
    auto* command = app.add_subcommand("check-data",
                                       "Read every data file of the program folder and report each line that is wrong");
    command->add_option("--folder", *folder, "The folder to check instead of the program folder");
    command->callback([folder] { runCheckData(*folder); });
}

}  // namespace helion::cli
