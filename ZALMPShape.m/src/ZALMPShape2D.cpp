#define ZALMP_SOURCE_FILE "ZALMPShape.m/src/ZALMPShape2D"
#include <ZALMPAssertionReport.h>

#include <ZALIMPShape2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPLinkTable.h>
#include <ZALMPShape2D.h>

ZALMP_DEFINE_CLASS(ZALMPShape2D, ZALMPShape);

ZALMPShape2D::ZALMPShape2D() = default;

ZALMPShape2D::ZALMPShape2D(const ZALMPShape2D& source) : ZALMPShape(source) {}

ZALMPShape2D::~ZALMPShape2D() = default;

ZALMP_DEFINE_LOADER(ZALMPShape2D, ZALIMPShape2DLoader);

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPShape2D, ZALMPBody2D, m_bodies, LinkToBody, RemoveBody, GetLinkedBodyCount,
                                  GetLinkedBody);

// The planar bodies alone: the shape's own list takes no part in orphaning,
// writing or reading a planar shape. RemoveParent asks each planar body to
// drop the shape; the first failure ends it, else the last answer is returned.
ZALMP_DEFINE_LINKS(ZALMPShape2D, &ZALMPEntity::LinkTable(), LastPartner,
                   ZALMPLinkTable::List(&ZALMPShape2D::m_bodies, L"Bodies", L"Body2D", &ZALMPShape2D::LinkToBody,
                                        &ZALMPBody2D::RemoveShape, ZALMPFilteredCopy::Relinked, ZALMP_HERE));

HRESULT ZALMPShape2D::Serialize(ZALMPSerializer* element) const
{
  return SerializeLinked(element, {LinkTable().OwnLinks()[0].get()}, ZALMP_HERE);
}

HRESULT ZALMPShape2D::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return DeserializeLinked(element, ids, {LinkTable().OwnLinks()[0].get()}, ZALMP_HERE);
}
