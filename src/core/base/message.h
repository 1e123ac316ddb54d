#pragma once
// A message the program shows the user in a message box. The core returns them; the
// windows show them, the command line prints them.

#include <string>

namespace helion {

// A warning or an error abandons the command that met it; information lets it go on.
enum class Severity { Information, Warning, Error };

struct Message {
    std::string caption;
    std::string text;
    // A question or an About box has its own caption and stops nothing.
    Severity severity = Severity::Information;
    friend bool operator==(const Message&, const Message&) = default;
};

// The three captions of the program's message boxes go with their severity.
inline Message informationMessage(std::string text) { return {"Information", std::move(text), Severity::Information}; }
inline Message warningMessage(std::string text) { return {"Warning!", std::move(text), Severity::Warning}; }
inline Message errorMessage(std::string text) { return {"Error!", std::move(text), Severity::Error}; }

}  // namespace helion
