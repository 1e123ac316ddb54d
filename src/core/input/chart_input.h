#pragma once
// One chart's birth data as the input windows hold it, read once into numbers, validated
// and turned into the ChartInput record that every computation uses.
//
// Conventions: longitude positive west, latitude positive north, both packed D.MM in
// one number (74.30 is 74 degrees 30 minutes); time packed H.MM on the 12-hour clock;
// the time zone is the number of hours to add to local time to get Universal Time.

#include <string>
#include <string_view>
#include <vector>

#include "core/astro/julian_day.h"
#include "core/base/message.h"
#include "core/config/regional_formats.h"

namespace helion {

// The texts and option-button states of one input window, as typed.
struct InputWindowTexts {
    std::string name;  // natal window only
    std::string month, day, year;
    std::string hour, minute;
    std::string zone;
    std::string longitudeDegrees, longitudeMinutes;
    std::string latitudeDegrees, latitudeMinutes;
    bool am = true;      // A.M. chosen, otherwise P.M.
    bool east = false;   // east longitude chosen, otherwise west
    bool south = false;  // south latitude chosen, otherwise north
};

enum class Meridiem { AM, PM };

// A box read as a number. An empty box reads as 0 but counts as missing.
struct BoxNumber {
    double value = 0.0;
    bool empty = true;
};

// One input window read into numbers and choices, once; validation and the chart record
// both work from this.
struct TypedInput {
    std::string name;
    BoxNumber month, day, year;
    BoxNumber hour, minute;  // 12-hour clock
    Meridiem meridiem = Meridiem::AM;
    BoxNumber zone;
    bool zoneMisplacedMinus = false;  // "5.5-" is no zone, though its leading number reads as 5.5
    BoxNumber longitudeDegrees, longitudeMinutes;
    bool east = false;
    BoxNumber latitudeDegrees, latitudeMinutes;
    bool south = false;
};

struct ChartInput {
    std::string name;
    int day = 0;  // the day the chart is computed for
    int month = 0;
    int year = 0;
    CalendarDate typedDate;  // differs from the day above when the typed one does not exist
    float time = 0.0f;       // H.MM, 12-hour clock
    Meridiem meridiem = Meridiem::AM;
    float zone = 0.0f;       // hours added to local time to get UT
    float longitude = 0.0f;  // D.MM, west positive
    float latitude = 0.0f;   // D.MM, north positive
    int age = 0;             // diurnal only: completed years at the diurnal date
    int birthdayYear = 0;    // diurnal only: the year of the last birthday

    bool pm() const { return meridiem == Meridiem::PM; }
};

// The words reports print beside the time and the packed coordinates.
const char* meridiemText(Meridiem meridiem);     // "A.M." or "P.M."
const char* latitudeSideText(float latitude);    // "NORTH" or "SOUTH"
const char* longitudeSideText(float longitude);  // "WEST" or "EAST"

// The time zones the input windows take, in hours added to local time to get UT.
inline constexpr double kLowestZoneHours = -13.0;
inline constexpr double kHighestZoneHours = 12.0;

inline constexpr const char* kNatalErrorText = "Error in natal input data section. Please correct.";
inline constexpr const char* kDiurnalErrorText = "Error in diurnal input data section. Please correct.";
inline constexpr const char* kLatitudeText =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

// A minus sign anywhere but in front of a zone: the text is no number.
bool misplacedMinus(std::string_view text);

TypedInput typedInput(const InputWindowTexts& w);

// What the input-present and range checks refuse in one window, in words; empty when
// the window passes them. The latitude limit, which depends on the house system, is left
// out. The data check runs every names record through it.
std::vector<std::string> inputWindowFaults(const InputWindowTexts& w);

// Runs the four validators in order (input present, latitude limit, natal ranges,
// diurnal ranges) and returns every message they show, each captioned "Warning!".
// An empty result means the input is accepted. housesAtAnyLatitude: the house system is
// defined beyond the polar circles, so the latitude limit does not apply.
std::vector<Message> validateChartInput(const TypedInput& natal, const TypedInput& diurnal, bool housesAtAnyLatitude);

// An "Information" notice for each record whose typed date does not exist (31 April,
// 29 February 1900): the chart goes on with the day the calendar count makes of it
// (1 May, 1 March).
std::vector<Message> rolledDateNotices(const ChartInput& natal, const ChartInput& diurnal, DateOrder order);

ChartInput readNatalInput(const TypedInput& natal);
// Reads the diurnal window; age and birthday year come from the natal record just read.
ChartInput readDiurnalInput(const TypedInput& diurnal, const ChartInput& natal);

}  // namespace helion
