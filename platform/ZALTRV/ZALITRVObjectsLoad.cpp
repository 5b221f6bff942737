#include "ZALITRVObjectsLoad.h"

#include "ZALBody.h"
#include "ZALTRVArc.h"
#include "ZALTRVCylinder.h"
#include "ZALTRVFace.h"
#include "ZALTRVLine.h"
#include "ZALTRVObjectList.h"
#include "ZALTRVPlane.h"

#include <ZALMathStream.h>

#include <utility>

namespace {

// The least an object record takes: its tag and its length.
constexpr int kMinObjectLength = 8;

using Reader = ZALBaseUnknownRef<ZALITRVObject> (*)(ZALMathStream&);

// The one place that knows every kind of object.
Reader ReaderOf(std::uint32_t tag)
{
  switch (static_cast<ZALTRVType>(tag)) {
    case ZALTRVType::Line: return &ZALTRVLine::Read;
    case ZALTRVType::Arc: return &ZALTRVArc::Read;
    case ZALTRVType::Plane: return &ZALTRVPlane::Read;
    case ZALTRVType::Cylinder: return &ZALTRVCylinder::Read;
    case ZALTRVType::Face: return &ZALTRVFace::Read;
    case ZALTRVType::Body: return &ZALBody::Read;
  }
  return nullptr;
}

}  // namespace

HRESULT ZALITRVObjectsLoad::Load(ZALMathStream& stream, ZALTRVObjectList& list)
{
  int count = 0;
  if (FAILED(stream.ReadCount(kMinObjectLength, count))) return E_FAIL;
  ZALTRVObjectList read;
  for (int i = 0; i < count; ++i) {
    ZALBaseUnknownRef<ZALITRVObject> object;
    if (FAILED(LoadObject(stream, object))) return E_FAIL;
    read.Append(object.get());
  }
  list = std::move(read);
  return S_OK;
}

HRESULT ZALITRVObjectsLoad::LoadObject(ZALMathStream& stream, ZALBaseUnknownRef<ZALITRVObject>& object)
{
  object = nullptr;
  std::uint32_t tag = 0;
  if (FAILED(stream.ReadRecordStart(tag))) return E_FAIL;
  const Reader reader = ReaderOf(tag);
  ZALBaseUnknownRef<ZALITRVObject> read = reader ? reader(stream) : nullptr;
  // A reader that stops short of its record's end misread it.
  if (FAILED(stream.ReadRecordEnd()) || !read) return E_FAIL;
  object = std::move(read);
  return S_OK;
}
