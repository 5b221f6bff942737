#pragma once
#include <array>
#include <string>

/// A newly generated random UUID.
class ZALUuid {
public:
  ZALUuid();

  /// Text form: 36 characters, upper-case hexadecimal in 8-4-4-4-12 groups.
  std::string UUID_to_chaine() const;

private:
  std::array<unsigned char, 16> m_bytes;
};
