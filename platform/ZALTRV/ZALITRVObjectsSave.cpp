#include "ZALITRVObjectsSave.h"

#include "ZALITRVObject.h"
#include "ZALTRVObjectList.h"

#include <ZALMathStream.h>

HRESULT ZALITRVObjectsSave::Save(ZALMathStream& stream, const ZALTRVObjectList& list)
{
  stream.WriteUInt32(static_cast<std::uint32_t>(list.Size()));
  for (int i = 0; i < list.Size(); ++i)
    if (FAILED(SaveObject(stream, *list[i]))) return E_FAIL;
  return S_OK;
}

HRESULT ZALITRVObjectsSave::SaveObject(ZALMathStream& stream, const ZALITRVObject& object)
{
  const std::size_t start = stream.WriteRecordStart(static_cast<std::uint32_t>(object.GetType()));
  object.Write(stream);
  return stream.WriteRecordEnd(start);
}
