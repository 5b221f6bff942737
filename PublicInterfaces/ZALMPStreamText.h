#pragma once
#include "ZALMPExport.h"

#include <ZALStatus.h>

#include <string>
#include <string_view>
#include <vector>

/// The text form of a byte stream that an outside library wrote (a modeller
/// stream, a scene-graph buffer): its Base64 text, each character widened to
/// one wide character, as the element tree stores it. Each caller names the
/// Base64 converter of the platform component it goes with.
class ZALMP_EXPORT ZALMPStreamText {
public:
  /// A platform Base64 converter pair (ZALSysTSCodePage, MYRSysConverter).
  using Encoder = HRESULT (*)(const void* bytes, int length, std::string& text);
  using Decoder = HRESULT (*)(std::string_view text, std::vector<unsigned char>& bytes);

  ZALMPStreamText() = delete;

  /// S_OK and the widened Base64 text of `bytes` (empty for no bytes).
  /// E_FAIL, `text` empty: `encode` refused the bytes, or they are more than
  /// it can take. Not reported: the caller knows what was being written.
  static HRESULT ToText(const std::vector<unsigned char>& bytes, Encoder encode, std::wstring& text);
  /// S_OK and the bytes that `text` stands for. E_FAIL, `bytes` empty: a
  /// character that is not one byte wide, or a narrowed text that `decode`
  /// refuses (for the platform converters: anything but canonical padded
  /// Base64). Not reported.
  static HRESULT FromText(std::wstring_view text, Decoder decode, std::vector<unsigned char>& bytes);
};
