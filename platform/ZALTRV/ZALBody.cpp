#include "ZALBody.h"

#include "ZALITRVObjectsLoad.h"
#include "ZALITRVObjectsSave.h"

#include <ZALMathStream.h>
#include <ZALSysDynamicCast.h>

#include <algorithm>
#include <utility>

namespace {

// The least a face record takes: its tag and length, its name's length, the
// surface record's tag and length.
constexpr int kMinFaceLength = 20;

}  // namespace

ZALBody::ZALBody(std::string name) : m_name(std::move(name)) {}

ZALBaseUnknownRef<ZALBody> ZALBody::Create(std::string name)
{
  return ZALBaseUnknownRef<ZALBody>(new ZALBody(std::move(name)));
}

ZALBaseUnknownRef<ZALITRVObject> ZALBody::Read(ZALMathStream& stream)
{
  ZALBaseUnknownRef<ZALBody> body = Create(stream.ReadString());
  int count = 0;
  if (FAILED(stream.ReadCount(kMinFaceLength, count))) return nullptr;
  for (int i = 0; i < count; ++i) {
    ZALBaseUnknownRef<ZALITRVObject> face;
    if (FAILED(ZALITRVObjectsLoad::LoadObject(stream, face)) ||
        body->AddFace(ZALSysDynamicCast<ZALTRVFace>(face.get())) != S_OK)
      return nullptr;
  }
  return body;
}

HRESULT ZALBody::AddFace(ZALTRVFace* face)
{
  if (!face) return E_FAIL;
  if (std::find(m_faces.begin(), m_faces.end(), face) != m_faces.end()) return S_FALSE;
  m_faces.emplace_back(face);
  return S_OK;
}

ZALTRVFace* ZALBody::GetFace(int index) const
{
  if (index < 0 || index >= GetFaceCount()) return nullptr;
  return m_faces[static_cast<std::size_t>(index)].get();
}

void ZALBody::Write(ZALMathStream& stream) const
{
  stream.WriteString(m_name);
  stream.WriteUInt32(static_cast<std::uint32_t>(m_faces.size()));
  for (const ZALBaseUnknownRef<ZALTRVFace>& face : m_faces) ZALITRVObjectsSave::SaveObject(stream, *face);
}

bool ZALBody::IsEqual(const ZALITRVObject& other) const
{
  const auto* const body = dynamic_cast<const ZALBody*>(&other);
  return body && m_name == body->m_name &&
         std::equal(m_faces.begin(), m_faces.end(), body->m_faces.begin(), body->m_faces.end(),
                    [](const auto& mine, const auto& theirs) { return mine->IsEqual(*theirs); });
}
