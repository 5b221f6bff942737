#define ZALMP_SOURCE_FILE "ZALMPShape.m/src/ZALMPShapeBody"
#include <ZALMPAssertionReport.h>

#include "ZALMPShapeStream.h"

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPShapeBody.h>

#include <ZALITRVObjectsLoad.h>
#include <ZALITRVObjectsSave.h>
#include <ZALSysDynamicCast.h>
#include <ZALTRVObjectList.h>
#include <ZALTRVStream.h>

#include <vector>

ZALMP_DEFINE_KIND(ZALMPShapeBody, ZALMPShape2D);

namespace {

// The stream a shape writes its solid to: a header that keeps the type and
// flag, and guards the bytes with their length and CRC-32.
constexpr int kStreamType = 11;
constexpr int kStreamFlag = 0;

HRESULT WriteSolid(ZALBody* body, std::vector<unsigned char>& bytes)
{
  ZALTRVObjectList objects;
  ZALTRVStream stream(0, kStreamType, kStreamFlag);
  if (FAILED(objects.Append(body)) || FAILED(stream.OpenWriteStreamHeader(ZALTRVStream::kHeaderVersion)) ||
      FAILED(ZALITRVObjectsSave::Save(stream, objects)) || FAILED(stream.CloseStreamHeader()))
    return E_FAIL;
  bytes = stream.GetMemoryCopy();
  return S_OK;
}

HRESULT ReadObjects(const std::vector<unsigned char>& bytes, ZALTRVObjectList& objects)
{
  ZALTRVStream stream(bytes.data(), static_cast<int>(bytes.size()));
  if (FAILED(stream.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion)) ||
      FAILED(ZALITRVObjectsLoad::Load(stream, objects)) || FAILED(stream.CloseStreamHeader()))
    return E_FAIL;
  return S_OK;
}

}  // namespace

ZALMPShapeBody::ZALMPShapeBody(const ZALMPShapeBody& source) : ZALMPShape2D(source), m_body(source.m_body) {}

HRESULT ZALMPShapeBody::SetBody(ZALBody* body)
{
  // The new reference is taken before the old one goes, so that giving the
  // held solid again cannot free it on the way.
  if (body) m_body = ZALBaseUnknownRef<ZALBody>(body);
  return S_OK;
}

ZALBody* ZALMPShapeBody::GetBody() const
{
  return m_body.get();
}

HRESULT ZALMPShapeBody::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPShape2D>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  if (!m_body) return S_OK;
  std::vector<unsigned char> bytes;
  if (FAILED(WriteSolid(m_body.get(), bytes)))
    ZALMP_REPORT();
  else
    ZALMPShapeStream::Write(out, bytes);
  return S_OK;
}

HRESULT ZALMPShapeBody::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPShape2D>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  // A shape without a solid writes no stream, and reads back as it was written.
  if (!ZALMPShapeStream::Has(in)) return S_OK;
  std::vector<unsigned char> bytes;
  ZALTRVObjectList objects;
  if (FAILED(ZALMPShapeStream::Read(in, bytes))) return E_FAIL;
  if (FAILED(ReadObjects(bytes, objects))) {
    in.Report();
    return E_FAIL;
  }
  if (objects.Size() != 1) return S_FALSE;
  ZALBody* const body = ZALSysDynamicCast<ZALBody>(objects[0]);
  if (!body) {
    in.Report();
    return E_FAIL;
  }
  return SetBody(body);
}
