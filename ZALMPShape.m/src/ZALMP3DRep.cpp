#define ZALMP_SOURCE_FILE "ZALMPShape.m/src/ZALMP3DRep"
#include <ZALMPAssertionReport.h>

#include "ZALMPShapeStream.h"

#include <ZALMP3DRep.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

#include <ZAL3DVgr.h>
#include <ZALGetEnv.h>

#include <vector>

ZALMP_DEFINE_KIND(ZALMP3DRep, ZALMPShape);

namespace {

// What the scene-graph buffers of a shape hold: placements and colours, and
// bits the library keeps in the header.
constexpr int kWriteSettings = 71;

// Read once per process, at the first write, as the other switches of the
// environment are; the variable counts as set whatever its value.
bool SceneGraphOnly()
{
  static const bool sceneGraphOnly = ZALGetEnv("DUMP_SCENEGRAPH_ONLY") != nullptr;
  return sceneGraphOnly;
}

HRESULT WriteBuffer(const ZAL3DRep* node, std::vector<unsigned char>& buffer)
{
  int length = 0;
  return SceneGraphOnly() ? ZALWriteSceneGraph(node, buffer, length, kWriteSettings)
                          : ZALWriteVgr(node, buffer, length, kWriteSettings, nullptr, 0);
}

// A new node equal to `node` (null for none), owned by the caller.
ZAL3DRep* CopyOf(const ZAL3DRep* node)
{
  std::vector<unsigned char> buffer;
  int length = 0;
  if (!node || FAILED(ZALWriteVgr(node, buffer, length, kWriteSettings, nullptr, 0))) return nullptr;
  return ZALReadVgr(buffer.data(), length);
}

}  // namespace

ZALMP3DRep::ZALMP3DRep(const ZALMP3DRep& source) : ZALMPShape(source)
{
  Set3DRep(CopyOf(source.m_rep));
  SetMasterRep(CopyOf(source.m_masterRep));
}

HRESULT ZALMP3DRep::Hold(ZAL3DRep*& held, const ZAL3DRep* other, ZAL3DRep* rep)
{
  if (rep == held) return S_OK;
  if (held) held->Dispose();
  held = nullptr;
  // The other node stays where it is: one node held twice would be disposed of twice.
  if (!rep || rep == other) return S_OK;
  if (FAILED(m_bag->AddChild(rep))) {
    ZALMP_REPORT();
    return S_OK;
  }
  held = rep;
  return S_OK;
}

HRESULT ZALMP3DRep::Set3DRep(ZAL3DRep* rep)
{
  return Hold(m_rep, m_masterRep, rep);
}

ZAL3DRep* ZALMP3DRep::Get3DRep() const
{
  return m_rep;
}

HRESULT ZALMP3DRep::SetMasterRep(ZAL3DRep* rep)
{
  return Hold(m_masterRep, m_rep, rep);
}

ZAL3DRep* ZALMP3DRep::GetMasterRep() const
{
  return m_masterRep;
}

HRESULT ZALMP3DRep::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPShape>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  std::vector<unsigned char> buffer;
  if (!m_rep || FAILED(WriteBuffer(m_rep, buffer)))
    ZALMP_REPORT();
  else
    ZALMPShapeStream::Write(out, buffer);
  return S_OK;
}

HRESULT ZALMP3DRep::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPShape>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  std::vector<unsigned char> buffer;
  if (FAILED(ZALMPShapeStream::Read(in, buffer))) return E_FAIL;
  ZAL3DRep* const rep = ZALReadVgr(buffer.data(), static_cast<int>(buffer.size()));
  if (!rep) {
    in.Report();
    return E_FAIL;
  }
  return Set3DRep(rep);
}
