#pragma once
// The Data window's buffer: every report line appended since the user last cleared it
// (the full list) and the lines of the report now being produced (the display list).
// Reports append one line at a time; the window shows the display list and saves or
// prints either list.

#include <optional>
#include <string>
#include <vector>

#include "core/base/message.h"

namespace helion {

// A list holds at most this many lines (a 16-bit signed count).
inline constexpr int kMaxReportLines = 32767;

inline constexpr const char* kBufferFullText =
    "Buffer cannot hold any more data. Please print and/or clear data buffer before displaying any "
    "more data. This message may appear up to 35 times depending on how full the buffer is and how "
    "much the program wants to write to it.";

inline constexpr const char* kDataWindowCaption = "Helion (Tropical zodiac) - Data";

// One list of report lines. Its elements are the counted lines followed by one spare
// empty element, which saving and printing write too.
class LineList {
public:
    int count() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }
    // Elements 0..count: the lines and the spare empty element.
    std::vector<std::string> elements() const;
    // The elements, each followed by carriage return and line feed.
    std::string text() const;

private:
    friend class DataBuffer;
    std::vector<std::string> lines_;
};

class DataBuffer {
public:
    // Stores the line in both lists, or in neither when either is full or memory runs
    // out; then the buffer-full warning is queued and false returned. Reports carry on,
    // so a report writing into a full buffer queues one warning per line.
    bool appendReportLine(std::string line);

    // An empty line that opens a block of a report.
    void beginReportBlock() { appendReportLine({}); }

    // The first step of every report command: the display list starts afresh.
    void startReport() { display_.lines_.clear(); }

    // "Clear all data": empties the full list; the display list and the window's text
    // stay. Returns the notice to show.
    Message clearAllData();

    // New chart data entered or a name chosen: both lists start afresh.
    void clearForNewChart();

    // The last step of every report command:
    // nothing when the full list is empty; otherwise closes the report with an empty
    // line and returns the window's whole new text, every display element followed by
    // carriage return and line feed.
    std::optional<std::string> showReport();

    const LineList& fullList() const { return full_; }
    const LineList& displayList() const { return display_; }

    // The warnings queued since the last call, oldest first, for the window to show.
    std::vector<Message> takeMessages();

private:
    LineList full_;
    LineList display_;
    std::vector<Message> messages_;
};

}  // namespace helion
