// A double is written as the shortest text that reads back to it, the form
// std::to_chars gives without a format; the quicker paths for whole numbers
// and numbers of at most fifteen digits must give that text to the byte.

#include "ZALMPXmlNumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Expected(double value)
{
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  (void)error;
  return std::string(text, end);
}

std::string Written(double value)
{
  char text[ZALMPXmlNumberText::kMaxLength];
  return std::string(text, ZALMPXmlNumberText::Write(text, value));
}

TEST(XmlNumberText, EveryDoubleIsWrittenAsItsShortestText)
{
  std::vector<double> values = {0.0,     -0.0,    1.0,     -1.0,   99999.0, 100000.0, 1e5 + 0.5, 1e15,   1e16,
                                1e22,    1e23,    1e-8,    1e-9,   0.1,     0.2,      0.3,       1.0 / 3, 2.0 / 3,
                                1e300,   5e-324,  1.5e-5,  0.001,  123456789012345.0,   9999999999999998.0,
                                0.1 + 0.2, 999.9999999999999, 1000.0000000000001, 9.999999999999999e22,
                                std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()};
  std::mt19937_64 random(20261206);
  // Decimals of one to seventeen digits over the scales a model uses, and beyond.
  for (int i = 0; i < 100000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 17);
    std::uint64_t mantissa = random() % 100000000000000000ull;
    for (int cut = 17 - digits; cut > 0; --cut) mantissa /= 10;
    const int exponent = static_cast<int>(random() % 60) - 25;
    const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    values.push_back(random() % 2 ? value : -value);
  }
  // Doubles of any bits.
  for (int i = 0; i < 100000; ++i) values.push_back(std::bit_cast<double>(random()));
  // Results of arithmetic, as a model's placements are.
  for (int i = 0; i < 20000; ++i) values.push_back(std::sin(0.001 * i) * std::cos(0.37 * i) / (1 + i % 7));

  int failures = 0;
  for (const double value : values) {
    if (std::isnan(value)) continue;  // a NaN's text carries its sign, which is not compared here
    const std::string expected = Expected(value);
    const std::string written = Written(value);
    if (written != expected && ++failures <= 10)
      ADD_FAILURE() << "bits " << std::bit_cast<std::uint64_t>(value) << ": " << written << " instead of " << expected;
  }
  EXPECT_EQ(0, failures);
  EXPECT_EQ(Expected(std::numeric_limits<double>::quiet_NaN()), Written(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
