#include "ZALMPXmlNumberText.h"

#include <ZALMPExactDecimal.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uint64_t kFifteenDigits = 100000000000000;  // 10^14, the least of fifteen digits

// The digits of `value` (positive, finite) rounded to fifteen significant
// ones, when those read back to it, and the decimal exponent of the first.
// Fifteen-digit numbers lie further apart than doubles do, so at most one of
// them reads back to a given double; when one does, it is that double's
// shortest text, trailing zeros aside. False when none does, or the scale
// would need an inexact power.
bool FifteenDigits(double value, std::uint64_t& digits, int& exponent)
{
  // value is in [2^binary, 2^(binary+1)) (a normal double: the tiny ones are
  // beyond the exact scales anyway); its decimal exponent is this or one more.
  const int binary = static_cast<int>((std::bit_cast<std::uint64_t>(value) >> 52) & 0x7FF) - 1023;
  exponent = static_cast<int>(std::floor(binary * 0.30102999566398120));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int scale = 14 - exponent;
    if (scale > ZALMPExactDecimal::kLargestPower || scale < -ZALMPExactDecimal::kLargestPower) return false;
    const double scaled =
        scale >= 0 ? value * ZALMPExactDecimal::Power(scale) : value / ZALMPExactDecimal::Power(-scale);
    if (scaled >= 10.0 * kFifteenDigits) {
      ++exponent;
      continue;
    }
    // One rounding away from the exact product: the nearest fifteen digits are
    // this or a neighbour. (Adding a half is exact below 2^50.)
    const auto nearest = static_cast<std::uint64_t>(scaled + 0.5);
    for (const std::uint64_t candidate : {nearest, nearest - 1, nearest + 1}) {
      if (candidate < kFifteenDigits || candidate >= 10 * kFifteenDigits) continue;
      if (ZALMPExactDecimal::Value(candidate, -scale) == value) {
        digits = candidate;
        return true;
      }
    }
    return false;
  }
  return false;
}

// Writes `digits` (no trailing zero) with the first at decimal exponent
// `exponent`, in the shorter of the fixed and scientific forms, at `out`;
// returns the end. Room: 32 bytes.
char* WriteDigits(char* out, std::uint64_t digits, int exponent)
{
  char text[20];
  char* const end = std::to_chars(text, text + sizeof text, digits).ptr;
  const auto count = static_cast<int>(end - text);
  const int exponentWidth = std::abs(exponent) >= 100 ? 3 : 2;
  const int scientific = count + (count > 1 ? 1 : 0) + 2 + exponentWidth;
  const int fixed = exponent >= 0 ? (count <= exponent + 1 ? exponent + 1 : count + 1) : 1 - exponent + count;
  if (fixed <= scientific) {
    if (exponent < 0) {
      *out++ = '0';
      *out++ = '.';
      out = std::fill_n(out, -exponent - 1, '0');
      return std::copy(text, end, out);
    }
    if (count <= exponent + 1) return std::fill_n(std::copy(text, end, out), exponent + 1 - count, '0');
    out = std::copy(text, text + exponent + 1, out);
    *out++ = '.';
    return std::copy(text + exponent + 1, end, out);
  }
  *out++ = text[0];
  if (count > 1) {
    *out++ = '.';
    out = std::copy(text + 1, end, out);
  }
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  if (std::abs(exponent) < 10) *out++ = '0';
  return std::to_chars(out, out + 4, std::abs(exponent)).ptr;
}

}  // namespace

char* ZALMPXmlNumberText::Write(char* to, double value)
{
  // Below 1e5 the shortest form of a whole number is its decimal digits (from
  // 1e5 on, "1e+05" is shorter); those are far quicker to make as an int.
  constexpr double kPlainWholeBelow = 1e5;
  if (value > -kPlainWholeBelow && value < kPlainWholeBelow) {
    const auto whole = static_cast<std::int32_t>(value);
    if (whole == value && (whole != 0 || !std::signbit(value))) return std::to_chars(to, to + kMaxLength, whole).ptr;
  }
  // From 2^53 on, a whole number written in fixed form shows all its exact
  // digits rather than its shortest ones followed by zeros: left to the general way.
  constexpr double kExactWholeBelow = 9007199254740992.0;
  std::uint64_t digits = 0;
  int exponent = 0;
  const double magnitude = std::fabs(value);
  if (magnitude != 0.0 && magnitude < kExactWholeBelow && FifteenDigits(magnitude, digits, exponent)) {
    while (digits % 10 == 0) digits /= 10;
    if (value < 0) *to++ = '-';
    return WriteDigits(to, digits, exponent);
  }
  return std::to_chars(to, to + kMaxLength, value).ptr;
}
