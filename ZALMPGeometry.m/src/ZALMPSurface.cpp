#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPSurface"
#include <ZALMPAssertionReport.h>

#include "ZALMPModellerStream.h"

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSurface.h>

#include <ZALITRVObject.h>
#include <ZALSysDynamicCast.h>
#include <ZALTRVObjectList.h>

#include <cstdint>
#include <string>
#include <string_view>

ZALMP_DEFINE_KIND(ZALMPSurface, ZALMPGeometry);

namespace {
constexpr std::wstring_view kStream = L"SurfaceStream";
}  // namespace

ZALMPSurface::ZALMPSurface(const ZALMPSurface& source) : ZALMPGeometry(source), m_surface(source.m_surface) {}

HRESULT ZALMPSurface::SetSurface(ZALBaseUnknown* surface)
{
  // The new reference is taken before the old one goes, so that giving the
  // held surface again cannot free it on the way.
  m_surface = ZALBaseUnknown_var(surface);
  return S_OK;
}

HRESULT ZALMPSurface::GetSurface(ZALBaseUnknown*& surface) const
{
  surface = m_surface.get();
  return S_OK;
}

HRESULT ZALMPSurface::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPGeometry>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  ZALTRVObjectList objects;
  if (ZALITRVObject* const object = ZALSysDynamicCast<ZALITRVObject>(m_surface.get()))
    objects.Append(object);
  else if (m_surface)
    ZALMP_REPORT();
  std::wstring text;
  std::int32_t length = 0;
  if (FAILED(ZALMPModellerStream::ToText(objects, text, length)))
    ZALMP_REPORT();
  else
    ZALMPModellerStream::Write(out, kStream, text, length);
  return S_OK;
}

HRESULT ZALMPSurface::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPGeometry>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  ZALTRVObjectList objects;
  if (FAILED(ZALMPModellerStream::Read(in, kStream, objects))) return E_FAIL;
  // operator[] counts from 0: the first object, or null for an empty stream (no surface).
  return SetSurface(objects[0]);
}
