#pragma once
// Every number the program shows or reads goes through this module. The texts it makes have
// the decimal comma, whatever the locale of the system: they are also what formulas and
// graph files hold. Where a number is shown, shownNumber writes it as the program's language
// does (English: a decimal point); what a user types may have either.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Formats `value` by a picture such as "###0.0###": before the point, "0" is a digit that is
// always written and "#" one that is written only when needed (the integer part is always
// complete); after the point, "0" is a decimal always written and "#" one written only when
// it is not a trailing zero. Rounds half away from zero on the exact decimal value of the
// double, writes no thousands separator and no minus sign on a value that rounds to zero.
// A value too wide for any picture (magnitude 1E18 or more) falls back to formatGeneral,
// so the text stays short and correct; NaN and infinities give "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view pattern, double value);

// The general text of a number: the shortest text of at most 15 significant digits, in E
// notation ("1,5E-6", "1E15") only when the magnitude is below 0,00001 or at least 1E15.
std::string formatGeneral(double value);
// The same layout with as many digits as it takes (up to 17) to read back as the same double.
std::string formatExact(double value);
// The digits of formatExact written out without E notation ("0,000000015", "3E20" as
// "300000000000000000000"), as a formula's number: a formula has no E notation.
std::string formatExactPlain(double value);

// A number text of this module as the language in use writes it: English has the decimal
// point where Dutch has the comma. Only for texts that are a number.
std::string shownNumber(std::string text);
// A formula text as the language in use shows it in the edit box, and back as the slots and
// graph files keep it, whatever the language: with the decimal comma. In a formula the comma
// and the full stop are decimal signs and nothing else, so English shows and takes the point
// (Dutch keeps the text as it is, where a point is "fout getal").
std::string shownFormula(std::string stored);
std::string storedFormula(std::string shown);

// Reads a number: optional blanks around, an optional sign, digits with at most one comma
// and at least one digit, an optional exponent ("E" or "e", optional sign, digits). Anything
// else, and a value beyond the range of a double, is refused. A value too small for a double
// reads as zero.
std::optional<double> parseFloat(std::string_view text);

// A number a user types into a field (coefficients, points, the value table's start and step,
// the domains and the area's bounds): as parseFloat, and a full stop counts as the decimal
// comma, since it is the key a keypad offers for it. Formulas keep their own rule.
std::optional<double> parseTypedNumber(std::string_view text);

// Reads a whole number (optional blanks around, optional sign, digits) that fits in 32 bits.
std::optional<int> parseInt(std::string_view text);

}  // namespace quorvel
