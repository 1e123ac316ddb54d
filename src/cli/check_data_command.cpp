#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "core/app/data_check.h"
#include "core/config/program_folder.h"

namespace helion::cli {

namespace {

void printLines(const FileCheck& check, const std::vector<LineProblem>& lines, const char* kind) {
    for (const auto& problem : lines) {
        std::cout << "  " << check.file;
        if (problem.line > 0) std::cout << ':' << problem.line;
        std::cout << ": " << kind << problem.text << '\n';
    }
}

void printCheck(const FileCheck& check) {
    std::cout << check.file << ": " << (check.loaded.empty() ? "not loaded" : check.loaded);
    if (!check.problems.empty()) std::cout << ", " << check.problems.size() << " problem(s)";
    if (!check.warnings.empty()) std::cout << ", " << check.warnings.size() << " warning(s)";
    std::cout << '\n';
    printLines(check, check.problems, "");
    printLines(check, check.warnings, "warning: ");
}

int runCheckData(const std::string& folderOption) {
    std::filesystem::path folder = folderOption;
    if (folder.empty()) {
        const ProgramFolder resolved = programFolderOfThisProcess();
        for (const auto& message : resolved.messages) std::cerr << message.caption << ' ' << message.text << '\n';
        folder = resolved.folder;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::cerr << "Error! " << folder.string() << " is not a folder.\n";
        return kBadInput;
    }
    std::cout << "Checking the data files in " << folder.string() << '\n';
    std::size_t problems = 0, warnings = 0;
    const auto checks = checkDataFolder(folder);
    for (const auto& check : checks) {
        printCheck(check);
        problems += check.problems.size();
        warnings += check.warnings.size();
    }
    std::cout << checks.size() << " files checked, " << problems << " problem(s), " << warnings << " warning(s)\n";
    return problems == 0 ? 0 : kDataProblem;
}

}  // namespace

void addCheckDataCommand(CLI::App& app, int& exitStatus) {
    auto folder = std::make_shared<std::string>();
    auto* command = app.add_subcommand("check-data",
                                       "Read every data file of the program folder and report each line that is wrong");
    command->add_option("--folder", *folder, "The folder to check instead of the program folder");
    command->callback([folder, &exitStatus] { exitStatus = runCheckData(*folder); });
}

}  // namespace helion::cli
