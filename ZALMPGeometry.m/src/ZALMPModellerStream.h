#pragma once
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

#include <ZALStatus.h>

#include <cstdint>
#include <string>
#include <string_view>

class ZALTRVObjectList;

/// How a geometry keeps modeller objects in its element: a value element
/// whose text is the widened Base64 of a modeller stream (no header, stream
/// type 11, flag 0) holding the list of objects, with the stream's byte count
/// as attribute "length".
class ZALMPModellerStream {
public:
  ZALMPModellerStream() = delete;

  /// S_OK: the text of a stream holding `objects`, and its byte count.
  /// E_FAIL: the modeller could not write them; `text` empty and `length` 0.
  /// Not reported: the caller decides what to leave out.
  static HRESULT ToText(const ZALTRVObjectList& objects, std::wstring& text, std::int32_t& length);
  /// Adds child `id` holding `text` and "length". False when it could not be
  /// added (reported at the writer's location).
  static bool Write(const ZALMPFieldWriter& out, std::wstring_view id, std::wstring_view text, std::int32_t length);
  /// Reads the objects kept in the next child `id`. S_OK: `objects` holds
  /// them in place of what it held. E_FAIL (reported at the reader's
  /// location), `objects` unchanged: no such child or no "length", a text that
  /// is not the widened canonical Base64 of "length" bytes, or bytes that the
  /// modeller refuses or does not read to the end.
  static HRESULT Read(const ZALMPFieldReader& in, std::wstring_view id, ZALTRVObjectList& objects);
};
