#include "core/reports/report_buffer.h"

#include <new>
#include <utility>

namespace helion {
namespace {

// A line lives in both lists or in neither, even when memory runs out half way.
bool appendToBoth(std::vector<std::string>& full, std::vector<std::string>& display, std::string line) {
    try {
        full.push_back(line);
    } catch (const std::bad_alloc&) {
        return false;
    }
    try {
        display.push_back(std::move(line));
    } catch (const std::bad_alloc&) {
        full.pop_back();
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> LineList::elements() const {
    std::vector<std::string> all = lines_;
    all.emplace_back();
    return all;
}

std::string LineList::text() const {
    std::string joined;
    for (const std::string& element : elements()) {
        joined += element;
        joined += "\r\n";
    }
    return joined;
}

bool DataBuffer::appendReportLine(std::string line) {
    const bool room = full_.count() < kMaxReportLines && display_.count() < kMaxReportLines;
    if (room && appendToBoth(full_.lines_, display_.lines_, std::move(line))) return true;
    messages_.push_back(warningMessage(kBufferFullText));
    return false;
}

Message DataBuffer::clearAllData() {
    full_.lines_.clear();
    return {"Information!", "All data cleared from buffer."};
}

void DataBuffer::clearForNewChart() {
    full_.lines_.clear();
    display_.lines_.clear();
}

std::optional<std::string> DataBuffer::showReport() {
    if (full_.empty()) return std::nullopt;
    beginReportBlock();
    return display_.text();
}

std::vector<Message> DataBuffer::takeMessages() { return std::exchange(messages_, {}); }

}  // namespace helion
