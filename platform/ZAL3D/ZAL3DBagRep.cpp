#include "ZAL3DBagRep.h"

#include <algorithm>

ZAL3DBagRep* ZAL3DBagRep::CreateRep()
{
  return new ZAL3DBagRep();
}

ZAL3DBagRep::~ZAL3DBagRep()
{
  for (ZAL3DRep* child : m_children) {
    child->m_parent = nullptr;  // so that its Dispose leaves this list alone
    child->Dispose();
  }
}

HRESULT ZAL3DBagRep::AddChild(ZAL3DRep* child)
{
  if (!child) return E_FAIL;
  if (child->m_parent == this) return S_FALSE;
  for (const ZAL3DRep* holder = this; holder; holder = holder->m_parent)
    if (holder == child) return E_FAIL;
  m_children.reserve(m_children.size() + 1);  // the move below cannot then fail half way
  if (child->m_parent) child->m_parent->RemoveChild(child);
  m_children.push_back(child);
  child->m_parent = this;
  return S_OK;
}

HRESULT ZAL3DBagRep::RemoveChild(ZAL3DRep* child)
{
  if (!child) return E_FAIL;
  if (child->m_parent != this) return S_FALSE;
  m_children.erase(std::find(m_children.begin(), m_children.end(), child));
  child->m_parent = nullptr;
  return S_OK;
}

ZAL3DRep* ZAL3DBagRep::GetChild(int index) const
{
  if (index < 0 || index >= GetChildCount()) return nullptr;
  return m_children[static_cast<std::size_t>(index)];
}

void ZAL3DBagRep::WriteShape(ZALMathStream&) const {}

bool ZAL3DBagRep::IsSameShape(const ZAL3DRep& other) const
{
  const auto& bag = static_cast<const ZAL3DBagRep&>(other);
  return std::equal(m_children.begin(), m_children.end(), bag.m_children.begin(), bag.m_children.end(),
                    [](const ZAL3DRep* mine, const ZAL3DRep* theirs) { return mine->IsEqual(*theirs); });
}
