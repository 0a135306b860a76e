#pragma once

#include <string>
#include <string_view>

namespace game {

// Reads the number at the start of a score box's text (UTF-8).
// Blanks, tabs and line feeds are skipped wherever they stand, so "1 2" reads 12.
// Then come an optional sign, digits with at most one ".", and an optional
// exponent (e or E, an optional sign, digits); reading stops at the first
// character that cannot continue the number. Text without a leading number
// reads 0, and so do radix prefixes such as "&H1F".
// The result is always finite: a number beyond the double range reads as the
// largest finite double of its sign, and one below the smallest reads 0.
double readScore(std::string_view text);

// Writes a score: an integral value below 1e15 in magnitude as plain digits
// (with "-" when negative, and never "-0"); anything else as the shortest text
// that reads back as the same value. Never contains a blank.
std::string writeScore(double value);

} // namespace game
