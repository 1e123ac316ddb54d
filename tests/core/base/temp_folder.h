#pragma once
// A fresh folder under the system's temporary folder, named after the running test and
// removed with its files at the end of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/base/text_file.h"

namespace helion::test {

class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("helion-") + info->test_suite_name() + "-" + info->name() + "-" + std::to_string(::getpid());
        std::ranges::replace(name, '/', '_');  // parameterised test names hold slashes
        std::filesystem::remove_all(path_ = std::filesystem::temp_directory_path() / name);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path write(std::string_view name, std::string_view content) const {
        std::ofstream(path_ / name, std::ios::binary) << content;
        return path_ / name;
    }
    std::string read(std::string_view name) const { return readTextFile(path_ / name).value_or("<missing>"); }

private:
    std::filesystem::path path_;
};

}  // namespace helion::test
