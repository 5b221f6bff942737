#pragma once
#include <ZALStatus.h>

#include <string>
#include <string_view>
#include <vector>

/// Base64 conversion of the text services (standard RFC 4648 Base64 with padding).
class MYRSysConverter {
public:
  MYRSysConverter() = delete;

  /// S_OK and the Base64 text of `length` bytes at `bytes`. E_FAIL, `text` empty: a
  /// negative length, or null bytes with a positive length.
  static HRESULT ConvertToBase64(const void* bytes, int length, std::string& text);

  /// S_OK and the bytes that `text` encodes. E_FAIL, `bytes` empty: `text` is not
  /// canonical padded Base64 (see ZALBase64::Decode).
  static HRESULT ConvertFromBase64(std::string_view text, std::vector<unsigned char>& bytes);
};
