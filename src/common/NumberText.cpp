#include "common/NumberText.h"

#include <algorithm>

#include "common/Language.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvel {
namespace {

constexpr double kTooWideForPicture = 1e18;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

struct Picture {
  int minIntegerDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
};

Picture readPicture(std::string_view pattern) {
  Picture picture;
  const size_t point = pattern.find('.');
  const std::string_view integerPart = pattern.substr(0, point);
  for (char c : integerPart) {
    if (c == '0') ++picture.minIntegerDigits;
  }
  if (point != std::string_view::npos) {
    for (char c : pattern.substr(point + 1)) {
      if (c == '0') {
        ++picture.minDecimals;
        ++picture.maxDecimals;
      } else if (c == '#') {
        ++picture.maxDecimals;
      }
    }
  }
  return picture;
}

std::string textOfNonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatFloat(std::string_view pattern, double value) {
  if (!std::isfinite(value)) return textOfNonFinite(value);
  if (std::fabs(value) >= kTooWideForPicture) return formatGeneral(value);
  const Picture picture = readPicture(pattern);

  // The exact decimal expansion of a double below 1E18 has at most 18 integer digits and
  // 1074 decimals, so this buffer holds it whole; rounding is then done on exact digits.
  std::array<char, 1200> buffer{};
  const double magnitude = std::fabs(value);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, 1100);
  const std::string exact(buffer.data(), result.ptr);
  const size_t point = exact.find('.');
  // All kept digits in one row, so that rounding up carries straight into the integer part.
  std::string digits = exact.substr(0, point) + exact.substr(point + 1, picture.maxDecimals);
  if (exact[point + 1 + picture.maxDecimals] >= '5') {
    int i = static_cast<int>(digits.size()) - 1;
    for (; i >= 0 && digits[i] == '9'; --i)
      digits[i] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits.insert(digits.begin(), '1');
    }
  }
  std::string decimals = digits.substr(digits.size() - picture.maxDecimals);
  std::string integerDigits = digits.substr(0, digits.size() - picture.maxDecimals);

  while (static_cast<int>(decimals.size()) > picture.minDecimals && decimals.back() == '0') {
    decimals.pop_back();
  }
  // Drop leading zeros the picture does not ask for.
  size_t firstSignificant = integerDigits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) firstSignificant = integerDigits.size();
  integerDigits.erase(0, firstSignificant);
  while (static_cast<int>(integerDigits.size()) < picture.minIntegerDigits) {
    integerDigits.insert(integerDigits.begin(), '0');
  }

  const bool isZero = integerDigits.find_first_not_of('0') == std::string::npos &&
                      decimals.find_first_not_of('0') == std::string::npos;
  std::string text;
  if (value < 0 && !isZero) text += '-';
  text += integerDigits;
  if (!decimals.empty()) {
    text += ',';
    text += decimals;
  }
  if (text.empty() || text == "-") text += '0';
  return text;
}

namespace {

// The general layout of formatGeneral, of 15 significant digits or (shortest) of the fewest
// that read back as the same double; `plain` never uses E notation.
std::string generalText(double value, bool shortest, bool plain = false) {
  if (!std::isfinite(value)) return textOfNonFinite(value);
  if (value == 0) return "0";

  // Correctly rounded: "d.dddddddddddddde+XX".
  std::array<char, 64> buffer{};
  char* const end = buffer.data() + buffer.size();
  const auto result =
      shortest
          ? std::to_chars(buffer.data(), end, std::fabs(value), std::chars_format::scientific)
          : std::to_chars(buffer.data(), end, std::fabs(value), std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), result.ptr - buffer.data());
  const size_t ePos = text.find('e');
  std::string mantissa;
  mantissa += text[0];
  if (ePos > 2) mantissa += text.substr(2, ePos - 2);  // "de+XX" has no point
  while (mantissa.size() > 1 && mantissa.back() == '0')
    mantissa.pop_back();
  const int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());

  std::string out = value < 0 ? "-" : "";
  if (!plain && (exponent < -5 || exponent >= 15)) {
    out += mantissa[0];
    if (mantissa.size() > 1) {
      out += ',';
      out += mantissa.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
    return out;
  }
  if (exponent < 0) {
    out += "0,";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += mantissa;
    return out;
  }
  const size_t integerCount = static_cast<size_t>(exponent) + 1;
  if (mantissa.size() <= integerCount) {
    out += mantissa;
    out.append(integerCount - mantissa.size(), '0');
  } else {
    out += mantissa.substr(0, integerCount);
    out += ',';
    out += mantissa.substr(integerCount);
  }
  return out;
}

}  // namespace

std::string formatGeneral(double value) {
  return generalText(value, false);
}

std::string formatExact(double value) {
  return generalText(value, true);
}

std::string formatExactPlain(double value) {
  return generalText(value, true, true);
}

std::optional<double> parseTypedNumber(std::string_view text) {
  std::string withComma(text);
  for (char& c : withComma) {
    if (c == '.') c = ',';
  }
  return parseFloat(withComma);
}

std::optional<double> parseFloat(std::string_view text) {
  text = trimBlanks(text);
  std::string plain;  // the same number with a point, as from_chars reads it
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (negative) plain += '-';
    ++i;
  }
  int integerDigits = 0;
  int decimalDigits = 0;
  bool afterComma = false;
  // Where the first non-zero digit stands: the p-th integer digit or the d-th decimal. Its
  // decimal order tells an underflow from an overflow when the value does not fit a double.
  int firstNonZeroInteger = 0;
  int firstNonZeroDecimal = 0;
  for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i) {
    if (text[i] == ',') {
      if (afterComma) return std::nullopt;
      afterComma = true;
      plain += '.';
      continue;
    }
    if (afterComma) {
      ++decimalDigits;
    } else {
      ++integerDigits;
    }
    if (text[i] != '0' && firstNonZeroInteger == 0 && firstNonZeroDecimal == 0) {
      (afterComma ? firstNonZeroDecimal : firstNonZeroInteger) =
          afterComma ? decimalDigits : integerDigits;
    }
    plain += text[i];
  }
  if (integerDigits + decimalDigits == 0) return std::nullopt;
  const long firstNonZeroOrder =
      firstNonZeroInteger > 0 ? integerDigits - firstNonZeroInteger : -firstNonZeroDecimal;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    plain += 'e';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    const size_t exponentStart = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      plain += text[i];
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (i == exponentStart) return std::nullopt;
    if (plain[plain.size() - (i - exponentStart) - 1] == '-') exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (firstNonZeroOrder + exponent < 0) return negative ? -0.0 : 0.0;
    return std::nullopt;
  }
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::optional<int> parseInt(std::string_view text) {
  text = trimBlanks(text);
  if (text.size() > 1 && text.front() == '+' && isDigit(text[1])) text.remove_prefix(1);
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string shownNumber(std::string text) {
  if (currentLanguage() == Language::English) std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

std::string shownFormula(std::string stored) {
  return shownNumber(std::move(stored));
}

std::string storedFormula(std::string shown) {
  if (currentLanguage() == Language::English) std::replace(shown.begin(), shown.end(), '.', ',');
  return shown;
}

}  // namespace quorvel
