#pragma once
// A finished text report: the lines a report command appends to the Data window's
// buffer, in order, and the notices it raises for the window to show.

#include <string>
#include <vector>

#include "core/base/message.h"

namespace helion {

using ReportLines = std::vector<std::string>;

struct Report {
    ReportLines lines;
    std::vector<Message> messages;
};

}  // namespace helion
