#include <gtest/gtest.h>

#include <tuple>

#include "core/config/dialog_folder.h"

namespace helion {
namespace {

// A program folder in the user's data home is hidden from a file dialog: start at Documents then.
TEST(DialogStartFolder, DocumentsOnlyForAProgramFolderInsideTheUserDataHome) {
    const char* home = "/home/ann/.local/share";
    const char* documents = "/home/ann/Documents";
    for (const auto& [program, dataHome, docs, start] : {
             std::tuple{"/home/ann/.local/share/helion", home, documents, documents},
             std::tuple{"/home/ann/.local/share/helion/", "/home/ann/.local/share/", documents, documents},
             std::tuple{"/home/ann/.local/share/helion", home, "", "/home/ann/.local/share/helion"},
             std::tuple{"/opt/helion", home, documents, "/opt/helion"},
             std::tuple{"/home/ann/.local/shared/helion", home, documents, "/home/ann/.local/shared/helion"},
             std::tuple{"/home/ann/.local/share", home, documents, "/home/ann/.local/share"},
         })
        EXPECT_EQ(dialogStartFolder(program, dataHome, docs), std::filesystem::path(start)) << program;
}

}  // namespace
}  // namespace helion
