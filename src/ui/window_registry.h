#pragma once
// The windows that commands reach across, each found by its kind. A window not made yet
// (a side window until it is first opened, or one a test leaves out) is found as nullptr.

#include <tuple>

namespace helion::ui {

class NatalInputWindow;
class DiurnalInputWindow;
class DataWindow;
class NamesWindow;
class CitiesWindow;
class TimeZoneWindow;
class TimelinePictureWindow;

class WindowRegistry {
public:
    template <class Window>
    Window* find() const {
        return std::get<Window*>(windows_);
    }
    template <class Window>
    void add(Window* window) {
        std::get<Window*>(windows_) = window;
    }

private:
    std::tuple<NatalInputWindow*, DiurnalInputWindow*, DataWindow*, NamesWindow*, CitiesWindow*, TimeZoneWindow*,
               TimelinePictureWindow*>
        windows_{};
};

}  // namespace helion::ui
