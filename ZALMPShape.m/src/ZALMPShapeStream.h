#pragma once
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

#include <ZALStatus.h>

#include <vector>

/// How a shape keeps the bytes an outside library wrote for it (a scene-graph
/// buffer, a modeller stream): attribute "stream" of the shape's element,
/// holding their widened Base64 text (MYRSysConverter).
class ZALMPShapeStream {
public:
  ZALMPShapeStream() = delete;

  /// Writes `bytes` as "stream". False when they could not be encoded or
  /// written (reported at the writer's location).
  static bool Write(const ZALMPFieldWriter& out, const std::vector<unsigned char>& bytes);
  /// True when the element holds "stream" (nothing is reported).
  static bool Has(const ZALMPFieldReader& in);
  /// S_OK and the bytes kept in "stream". E_FAIL (reported at the reader's
  /// location), `bytes` empty: no "stream", a text that is not widened
  /// canonical Base64, or one that stands for no byte.
  static HRESULT Read(const ZALMPFieldReader& in, std::vector<unsigned char>& bytes);
};
