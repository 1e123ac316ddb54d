#pragma once
// One chart's birth data as the input windows hold it, its validation and its reading
// into the ChartInput record that every computation uses.
//
// Conventions: longitude positive west, latitude positive north, both packed D.MM in
// one number (74.30 is 74 degrees 30 minutes); time packed H.MM on the 12-hour clock;
// the time zone is the number of hours to add to local time to get Universal Time.

#include <string>
#include <vector>

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

struct ChartInput {
    std::string name;
    int day = 0;
    int month = 0;
    int year = 0;
    float time = 0.0f;          // H.MM, 12-hour clock
    std::string halfDay;        // "A.M." or "P.M."
    float zone = 0.0f;          // hours added to local time to get UT
    float longitude = 0.0f;     // D.MM, west positive
    std::string longitudeText;  // "EAST" or "WEST"
    float latitude = 0.0f;      // D.MM, north positive
    std::string latitudeText;   // "NORTH" or "SOUTH"
    std::string dateText;       // the date joined with "/" in the regional order
    int age = 0;                // diurnal only: completed years at the diurnal date
    int birthdayYear = 0;       // diurnal only: the year of the last birthday

    bool pm() const { return halfDay == "P.M."; }
};

inline constexpr const char* kNatalErrorText = "Error in natal input data section. Please correct.";
inline constexpr const char* kDiurnalErrorText = "Error in diurnal input data section. Please correct.";
inline constexpr const char* kLatitudeText =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

// Runs the four validators in order (input present, latitude limit, natal ranges,
// diurnal ranges) and returns every message they show, each captioned "Warning!".
// An empty result means the input is accepted.
std::vector<Message> validateChartInput(const InputWindowTexts& natal, const InputWindowTexts& diurnal,
                                        bool meridianHouses);

ChartInput readNatalInput(const InputWindowTexts& natal, DateOrder order);
// Reads the diurnal window; age and birthday year come from the natal record just read.
ChartInput readDiurnalInput(const InputWindowTexts& diurnal, const ChartInput& natal, DateOrder order);

}  // namespace helion
