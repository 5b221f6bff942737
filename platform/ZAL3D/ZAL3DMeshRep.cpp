#include "ZAL3DMeshRep.h"

#include <ZALMathStream.h>

#include <utility>

ZAL3DMeshRep::ZAL3DMeshRep(std::string uri) : m_uri(std::move(uri)) {}

ZAL3DMeshRep* ZAL3DMeshRep::CreateRep(std::string uri)
{
  return uri.empty() ? nullptr : new ZAL3DMeshRep(std::move(uri));
}

ZAL3DRep* ZAL3DMeshRep::ReadShape(ZALMathStream& stream)
{
  std::string uri = stream.ReadString();
  return stream.IsGood() ? CreateRep(std::move(uri)) : nullptr;
}

void ZAL3DMeshRep::WriteShape(ZALMathStream& stream) const
{
  stream.WriteString(m_uri);
}

bool ZAL3DMeshRep::IsSameShape(const ZAL3DRep& other) const
{
  return m_uri == static_cast<const ZAL3DMeshRep&>(other).m_uri;
}
