#define ZALMP_SOURCE_FILE "ZALMPInteraction.m/src/ZALMPCollisionLayer"
#include <ZALMPAssertionReport.h>

#include <ZALMPCollisionLayer.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPCollisionLayer, ZALMPInteraction);

ZALMPCollisionLayer::ZALMPCollisionLayer(const ZALMPCollisionLayer& source) : ZALMPInteraction(source) {}

const ZALMPLink& ZALMPCollisionLayer::Entities()
{
  static const std::unique_ptr<const ZALMPLink> entities = CollidablesSavedAs(L"Entities", L"Entity", ZALMP_HERE);
  return *entities;
}

// A layer's failures are reported and never end a save or a load: the frame
// gives S_OK whatever happened. The interaction part fails only without an
// element, which the frame never hands it.
HRESULT ZALMPCollisionLayer::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPInteraction>(*this, parent, ZALMP_HERE);
  if (out) Entities().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPCollisionLayer::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPInteraction>(*this, parent, ids, ZALMP_HERE);
  if (in) Entities().Read(*this, in.Element(), ids);
  return S_OK;
}
