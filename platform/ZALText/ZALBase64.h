#pragma once
#include <ZALStatus.h>

#include <string>
#include <string_view>
#include <vector>

/// Standard Base64 (RFC 4648, section 4): the alphabet A-Z a-z 0-9 + /, padded with '='
/// to a multiple of four characters. The text services' converters share it.
class ZALBase64 {
public:
  ZALBase64() = delete;

  /// S_OK and the Base64 text of `length` bytes at `bytes`. E_FAIL, `text` empty: a
  /// negative length, or null bytes with a positive length.
  static HRESULT Encode(const void* bytes, int length, std::string& text);

  /// S_OK and the bytes that `text` encodes (none for an empty text). E_FAIL, `bytes`
  /// empty: `text` is not canonical padded Base64 (a length that is not a multiple of
  /// four, a character outside the alphabet, white space, misplaced or excess padding,
  /// or non-zero bits after the last byte).
  static HRESULT Decode(std::string_view text, std::vector<unsigned char>& bytes);
};
