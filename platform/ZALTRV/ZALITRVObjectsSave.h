#pragma once
#include <ZALStatus.h>

class ZALITRVObject;
class ZALMathStream;
class ZALTRVObjectList;

/// Writes modeller objects to a stream (a ZALTRVStream, or any byte stream).
/// Each object is a record: its type tag, the length of its content, its
/// content (ZALITRVObject::Write); sub-objects are records inside it.
class ZALITRVObjectsSave {
public:
  ZALITRVObjectsSave() = delete;

  /// Writes the number of objects, then each object, in list order.
  /// S_OK. E_FAIL: an object larger than 4 GiB; the stream holds what came before it.
  static HRESULT Save(ZALMathStream& stream, const ZALTRVObjectList& list);
  /// Writes one object record. S_OK. E_FAIL: as Save.
  static HRESULT SaveObject(ZALMathStream& stream, const ZALITRVObject& object);
};
