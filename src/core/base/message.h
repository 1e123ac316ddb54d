#pragma once
// A message the program shows the user in a message box. The core returns them; the
// windows show them, the command line prints them.

#include <string>

namespace helion {

inline constexpr const char* kWarningCaption = "Warning!";
inline constexpr const char* kErrorCaption = "Error!";
inline constexpr const char* kInformationCaption = "Information";

struct Message {
    std::string caption;
    std::string text;
    friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace helion
