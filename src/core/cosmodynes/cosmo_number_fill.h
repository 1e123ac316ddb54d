#pragma once
// The number fields of the Cosmodynes tables: a value formatted with a pattern, then
// padded on the left by its size so that the decimal points line up.

#include <string>

namespace helion {

// "###0.00" in 7 characters for -999.99 .. 999.99; larger values come out longer.
std::string pad7(double value);

// A text whose leading number decides its fill, as pad7 fills "12.50 / 3.25".
std::string pad7Text(const std::string& text);

// "#0.0" in 4 characters below 100.
std::string pad4(double value);

// An integer as its number text with one leading blank, filled to 3 characters below 10
// ("  5", " 10").
std::string pad4Number(int number);

// "#0.00" in 6 characters for -99.99 .. 99.99.
std::string pad6(double value);

// value * 100 / total, or 0 when the total is 0 (a column without any value).
double percentOf(double value, double total);

}  // namespace helion
