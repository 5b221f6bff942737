#pragma once
#include <cstdint>

/// Decimals that become doubles in one exact step, for the readers and
/// writers of number texts: digits up to 2^53 and powers of ten up to 10^22
/// are exact doubles, so one division or multiplication of the two rounds
/// correctly and gives the bits a full conversion gives.
class ZALMPExactDecimal {
public:
  static constexpr int kLargestPower = 22;
  static constexpr std::uint64_t kLargestDigits = std::uint64_t{1} << 53;

  /// 10^`exponent`, for 0 <= `exponent` <= kLargestPower.
  static double Power(int exponent) { return kPowers[exponent]; }
  /// `digits` * 10^`exponent`, correctly rounded, for `digits` <= kLargestDigits
  /// and |`exponent`| <= kLargestPower.
  static double Value(std::uint64_t digits, int exponent)
  {
    const auto exact = static_cast<double>(digits);
    return exponent < 0 ? exact / kPowers[-exponent] : exact * kPowers[exponent];
  }

private:
  static constexpr double kPowers[kLargestPower + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
};
