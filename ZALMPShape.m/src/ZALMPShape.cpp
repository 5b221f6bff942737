#define ZALMP_SOURCE_FILE "ZALMPShape.m/src/ZALMPShape"
#include <ZALMPAssertionReport.h>

#include <ZALIMPShapeLoader.h>
#include <ZALMPBody.h>
#include <ZALMPLinkTable.h>
#include <ZALMPShape.h>

ZALMP_DEFINE_CLASS(ZALMPShape, ZALMPEntity);

ZALMPShape::ZALMPShape() = default;

ZALMPShape::ZALMPShape(const ZALMPShape& source) : ZALMPEntity(source) {}

ZALMPShape::~ZALMPShape() = default;

ZALMP_DEFINE_LOADER(ZALMPShape, ZALIMPShapeLoader);

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPShape, ZALMPBody, m_bodies, LinkToBody, RemoveBody, GetLinkedBodyCount,
                                  GetLinkedBody);

// RemoveParent asks each body to drop the shape; the first failure ends it,
// else the last answer is returned. ClearContainers empties the list.
ZALMP_DEFINE_LINKS(ZALMPShape, &ZALMPEntity::LinkTable(), LastPartner,
                   ZALMPLinkTable::List(&ZALMPShape::m_bodies, L"Bodies", L"Body", &ZALMPShape::LinkToBody,
                                        &ZALMPBody::RemoveShape, ZALMPFilteredCopy::Relinked, ZALMP_HERE));

HRESULT ZALMPShape::Serialize(ZALMPSerializer* element) const
{
  return SerializeLinked(element, {LinkTable().OwnLinks()[0].get()}, ZALMP_HERE);
}

HRESULT ZALMPShape::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return DeserializeLinked(element, ids, {LinkTable().OwnLinks()[0].get()}, ZALMP_HERE);
}
