#define ZALMP_SOURCE_FILE "ZALMPParameter.m/src/ZALMPAttribute"
#include <ZALMPAssertionReport.h>

#include <ZALMPAttribute.h>
#include <ZALMPLinkTable.h>
#include <ZALMPParameter.h>
#include <ZALMPState.h>
#include <ZALMPValue.h>


ZALMP_DEFINE_CLASS(ZALMPAttribute, ZALMPEntity);

namespace {

// A loop of children would never end a descendant walk and, as the child lists
// outlive an orphaning, would keep its attributes alive for ever: whoever asks
// for one (a host, or a document naming an attribute among its own children)
// is refused.
HRESULT RefuseLoop()
{
  ZALMP_REPORT();
  return E_FAIL;
}

}  // namespace

ZALMPAttribute::ZALMPAttribute() = default;

// A copy is a new attribute with the original's name: no children, values or type.
ZALMPAttribute::ZALMPAttribute(const ZALMPAttribute& source) : ZALMPEntity(source) {}

ZALMPAttribute::~ZALMPAttribute() = default;

// A host's own kind of parameter (or state) is one as well: it uses the list
// of its base kind.
bool ZALMPAttribute::IsParameter() const
{
  return isDerivedFrom(ZALMPParameter::ClassInfo_);
}

bool ZALMPAttribute::IsState() const
{
  return isDerivedFrom(ZALMPState::ClassInfo_);
}

HRESULT ZALMPAttribute::AddChild(const RVLSharedHandle<ZALMPAttribute>& child)
{
  if (!child) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (IsParameter() && child->IsParameter()) return AddChildParameter(RVLSharedHandle<ZALMPParameter>(child));
  if (IsState() && child->IsState()) return AddChildState(RVLSharedHandle<ZALMPState>(child));
  return E_FAIL;
}

HRESULT ZALMPAttribute::AddChildParameter(const RVLSharedHandle<ZALMPParameter>& child)
{
  if (child && ZALMPLinkTable::KeepsAlive(*child, *this)) return RefuseLoop();
  return m_childParameters.Add(child, ZALMP_HERE);
}

HRESULT ZALMPAttribute::AddChildState(const RVLSharedHandle<ZALMPState>& child)
{
  if (child && ZALMPLinkTable::KeepsAlive(*child, *this)) return RefuseLoop();
  return m_childStates.Add(child, ZALMP_HERE);
}

int ZALMPAttribute::GetChildrenCount() const
{
  if (IsParameter()) return m_childParameters.Count();
  if (IsState()) return m_childStates.Count();
  return 0;
}

HRESULT ZALMPAttribute::GetChild(int index, RVLSharedHandle<ZALMPAttribute>& child) const
{
  child.Release();
  if (index < 0 || index >= GetChildrenCount()) return E_FAIL;
  child = IsParameter() ? RVLSharedHandle<ZALMPAttribute>(m_childParameters.Links()[index])
                        : RVLSharedHandle<ZALMPAttribute>(m_childStates.Links()[index]);
  return S_OK;
}

// The answer is the one of the last attribute reached, so a usual tree, whose
// walk ends on a leaf, gives S_FALSE.
HRESULT ZALMPAttribute::GetAllChildren(RVLSharedVector<ZALMPAttribute>& descendants) const
{
  const int count = GetChildrenCount();
  HRESULT status = count == 0 ? S_FALSE : E_FAIL;
  for (int index = 0; index < count; ++index) {
    RVLSharedHandle<ZALMPAttribute> child;
    if (FAILED(GetChild(index, child)) || !child) {
      ZALMP_REPORT();
      continue;
    }
    descendants.push_back(child);
    status = child->GetAllChildren(descendants);
  }
  return status;
}

HRESULT ZALMPAttribute::AddValue(const RVLSharedHandle<ZALMPValue>& value)
{
  return m_values.Add(value, ZALMP_HERE);
}

HRESULT ZALMPAttribute::GetValue(int index, RVLSharedHandle<ZALMPValue>& value) const
{
  return m_values.Get(index, value);
}

int ZALMPAttribute::GetValueCount() const
{
  return m_values.Count();
}

// No partner is asked anything and every list outlives an orphaning: an
// attribute is data that its owners share. Its values come along with it in a
// filtered copy.
ZALMP_DEFINE_LINKS(ZALMPAttribute, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::ListNotAsked(&ZALMPAttribute::m_values, L"Values", L"Value",
                                                &ZALMPAttribute::AddValue, ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE,
                                                ZALMPLinkRelease::Never),
                   ZALMPLinkTable::ListNotAsked(&ZALMPAttribute::m_childParameters, L"ChildrenParameters",
                                                L"Parameter", &ZALMPAttribute::AddChildParameter,
                                                ZALMPFilteredCopy::Relinked, ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::ListNotAsked(&ZALMPAttribute::m_childStates, L"ChildrenStates", L"State",
                                                &ZALMPAttribute::AddChildState, ZALMPFilteredCopy::Relinked,
                                                ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPAttribute::Serialize(ZALMPSerializer* element) const
{
  return SerializeLinked(element, LinkTable(), ZALMP_HERE);
}

HRESULT ZALMPAttribute::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return DeserializeLinked(element, ids, LinkTable(), ZALMP_HERE);
}
