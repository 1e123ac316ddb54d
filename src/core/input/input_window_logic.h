#pragma once
// The rules behind the two input windows' controls: which keys a box takes, how the
// hour box folds a 24-hour value onto the 12-hour clock, the sign of the zone that
// follows the East/West choice, the present-moment fill and the menu items that the
// second-person box switches.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/message.h"
#include "core/config/options.h"
#include "core/input/chart_input.h"

namespace helion {

// Number boxes take digits; the zone box also a point and a minus sign; the name box
// anything.
enum class KeyFilter { AnyText, Digits, ZoneDigits };

inline constexpr char kBackspace = '\b';

// True when a typed character may enter a box of that kind. Backspace always may.
bool keyAccepted(KeyFilter filter, char32_t key);

// True when a box of that kind may hold the text a key would leave in it: a zone's minus
// sign stands only in front, so "5.5-" is never typed.
bool textAccepted(KeyFilter filter, std::string_view text);

// A number as the input boxes show it: the shortest single-precision text, no
// exponent for ordinary values, "0" rather than "-0".
std::string numberText(double value);

enum class HourBox { Natal, Diurnal };

inline constexpr const char* kNatalHourMissingText = "Please fill in a value for birth hour.";
inline constexpr const char* kDiurnalHourMissingText = "Please fill in a value for diurnal hour.";
inline constexpr const char* kTypingTooFastText = "You are typing too fast. Please slow down.";

struct HourCorrection {
    std::optional<std::string> text;  // the box's new text, when it changes
    bool selectPm = false;            // the hour was past noon on a 24-hour clock
    std::optional<Message> message;   // shown instead of any change
};

// After every change of an hour box: an empty box is warned about; 0 becomes 12; a
// 24-hour afternoon hour, 13 to 23, becomes its 12-hour hour and P.M. is chosen. A larger
// value is no time of day: it stays as typed and OK refuses it, rather than being rolled
// into some other hour. The natal box reads its text by the leading-number rule; the
// diurnal box refuses text that is not a number with the typing-too-fast warning.
HourCorrection correctHour(std::string_view text, HourBox box);

// The zone text after East or West is chosen: zones east of Greenwich are negative,
// west positive. An empty box stays empty.
std::string zoneTextForDirection(std::string_view zone, bool east);

struct LocalMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;  // the main window's clock shows it; the input boxes stop at the minute
};

// The date and time boxes and the A.M./P.M. choice for a moment of the local clock.
// Whether the system writes times on a 12- or 24-hour clock, the afternoon is the
// hours from 12 on, so the choice depends on the hour alone.
void fillDateAndTime(InputWindowTexts& texts, const LocalMoment& moment);

// The name the Now button gives the chart of the present moment.
inline constexpr std::string_view kNowChartName = "Now";

// The zone, longitude and latitude boxes and their directions from the default place
// of the options file; the zone carries the sign of its direction.
void fillDefaultPlace(InputWindowTexts& texts, const OptionValues& options);

// The main-window menu commands that the second-person box switches.
enum class MenuCommand {
    DataSummary,
    DataProgressions,
    DataSolarArc,
    DataTransits,
    WheelsNatalAndProgressed,
    WheelsNatalAndSolarArc,
    WheelsNatalAndTransits,
};

// One menu command switched on or off, renamed, or both; commands a build lacks are
// skipped by the window.
struct MenuItemSwitch {
    MenuCommand command;
    std::optional<bool> enabled;
    std::optional<std::string_view> caption;
};

inline constexpr int kSecondPersonMenuItems = 7;
std::array<MenuItemSwitch, kSecondPersonMenuItems> secondPersonMenuSwitches(bool secondPerson);

}  // namespace helion
