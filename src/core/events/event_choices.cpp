#include "core/events/event_choices.h"

#include <algorithm>

namespace helion {

EventChoices EventChoices::usual() {
    EventChoices choices;
    for (std::size_t k = 0; k < kEventChoiceCount; ++k) choices.set(static_cast<EventChoice>(k));
    choices.set(EventChoice::Moon, false);
    return choices;
}

std::optional<EventChoices> parseEventChoices(std::string_view names) {
    EventChoices choices;
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        const auto* found = std::find(kEventChoiceNames.begin(), kEventChoiceNames.end(), name);
        if (found == kEventChoiceNames.end()) return std::nullopt;
        choices.set(static_cast<EventChoice>(found - kEventChoiceNames.begin()));
        names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
    }
    return choices;
}

std::string eventChoicesText(const EventChoices& choices) {
    std::string text;
    for (std::size_t k = 0; k < kEventChoiceCount; ++k) {
        if (!choices.has(static_cast<EventChoice>(k))) continue;
        if (!text.empty()) text += ',';
        text += kEventChoiceNames[k];
    }
    return text;
}

}  // namespace helion
