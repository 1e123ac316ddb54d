#pragma once
// A temporary program folder holding a copy of the shipped data files.

#include <filesystem>

#include "../core/app/temp_folder.h"

namespace helion::test {

class ProgramFolderCopy : public TempFolder {
public:
    ProgramFolderCopy() {
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(HELION_SOURCE_DIR) / "data"))
            std::filesystem::copy_file(entry.path(), path() / entry.path().filename());
    }
};

}  // namespace helion::test
