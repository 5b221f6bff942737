#include "ZALTRVFace.h"

#include "ZALITRVObjectsLoad.h"
#include "ZALITRVObjectsSave.h"

#include <ZALMathStream.h>
#include <ZALSysDynamicCast.h>

#include <utility>

ZALTRVFace::ZALTRVFace(std::string name, ZALTRVSurface* surface) : m_name(std::move(name)), m_surface(surface) {}

ZALBaseUnknownRef<ZALTRVFace> ZALTRVFace::Create(std::string name, ZALTRVSurface* surface)
{
  if (!surface) return nullptr;
  return ZALBaseUnknownRef<ZALTRVFace>(new ZALTRVFace(std::move(name), surface));
}

ZALBaseUnknownRef<ZALITRVObject> ZALTRVFace::Read(ZALMathStream& stream)
{
  std::string name = stream.ReadString();
  ZALBaseUnknownRef<ZALITRVObject> surface;
  if (FAILED(ZALITRVObjectsLoad::LoadObject(stream, surface))) return nullptr;
  // Create refuses a null surface, which is also what an object of another kind casts to.
  return Create(std::move(name), ZALSysDynamicCast<ZALTRVSurface>(surface.get()));
}

void ZALTRVFace::Write(ZALMathStream& stream) const
{
  stream.WriteString(m_name);
  ZALITRVObjectsSave::SaveObject(stream, *m_surface);
}

bool ZALTRVFace::IsEqual(const ZALITRVObject& other) const
{
  const auto* const face = dynamic_cast<const ZALTRVFace*>(&other);
  return face && m_name == face->m_name && m_surface->IsEqual(*face->m_surface);
}
