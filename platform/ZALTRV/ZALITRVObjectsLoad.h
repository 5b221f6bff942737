#pragma once
#include "ZALITRVObject.h"

#include <ZALBaseUnknownRef.h>
#include <ZALStatus.h>

class ZALMathStream;
class ZALTRVObjectList;

/// Reads back what ZALITRVObjectsSave wrote. Damaged bytes are refused: a
/// count the bytes cannot hold, an unknown type tag, a record cut short or
/// running past its container, content left unread or that makes no valid
/// object (numbers that are not finite, a zero radius ...), records nested
/// deeper than a stream allows. A refused read hands out nothing: every
/// object made on the way is released.
class ZALITRVObjectsLoad {
public:
  ZALITRVObjectsLoad() = delete;

  /// S_OK: `list` holds the objects read, in order, in place of what it held
  /// (one reference each). E_FAIL: damaged bytes; `list` is unchanged and the
  /// stream is not to be read further.
  static HRESULT Load(ZALMathStream& stream, ZALTRVObjectList& list);
  /// Reads one object record. S_OK: `object` holds it. E_FAIL, `object` null: damaged bytes.
  static HRESULT LoadObject(ZALMathStream& stream, ZALBaseUnknownRef<ZALITRVObject>& object);
};
