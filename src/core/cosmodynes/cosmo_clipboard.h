#pragma once
// The compact text of the Cosmodynes report that goes to the clipboard: numbered entries
// filled at a moving position, so that the net-harmony half of a table can be written
// beside its power half on the same entries.

#include <array>
#include <string>

namespace helion {

class CosmoClipboard {
public:
    // Stores the text at the current entry and moves to the next one.
    void put(std::string text);
    // Appends three blanks and the text to the current entry and moves to the next one.
    void putBeside(const std::string& text);
    // Moves the current entry forwards (or backwards for a negative count).
    void move(int entries);

    // Entries 0 up to the current one, each followed by carriage return and line feed.
    std::string text() const;

private:
    std::array<std::string, 86> entries_{};
    int current_ = 0;
};

}  // namespace helion
