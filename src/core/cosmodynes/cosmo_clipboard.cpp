#include "core/cosmodynes/cosmo_clipboard.h"

#include <algorithm>

namespace helion {
namespace {

constexpr int kLastEntry = 85;

}  // namespace

void CosmoClipboard::put(std::string text) {
    if (current_ >= 0 && current_ <= kLastEntry) entries_[current_] = std::move(text);
    move(1);
}

void CosmoClipboard::putBeside(const std::string& text) {
    if (current_ >= 0 && current_ <= kLastEntry) entries_[current_] += "   " + text;
    move(1);
}

void CosmoClipboard::move(int entries) { current_ = std::clamp(current_ + entries, 0, kLastEntry + 1); }

std::string CosmoClipboard::text() const {
    std::string text;
    for (int i = 0; i < current_; ++i) text += entries_[i] + "\r\n";
    return text;
}

}  // namespace helion
