#pragma once
#include "ZAL3DRep.h"

#include <vector>

/// A node that groups other nodes, its children, which it owns (see ZAL3DRep).
class ZAL3DBagRep : public ZAL3DRep {
public:
  /// A new empty bag, owned by the caller.
  static ZAL3DBagRep* CreateRep();

  /// Takes `child` into the bag, after its current children; a child of
  /// another bag moves here. S_OK. S_FALSE: already a child of this bag.
  /// E_FAIL: null, this bag, or a bag that holds this one. Nothing changes unless S_OK.
  HRESULT AddChild(ZAL3DRep* child);
  /// Takes `child` out of the bag; the caller owns it again. S_OK. S_FALSE: not
  /// a child of this bag. E_FAIL: null. Nothing changes unless S_OK.
  HRESULT RemoveChild(ZAL3DRep* child);
  int GetChildCount() const { return static_cast<int>(m_children.size()); }
  /// The child at `index`; null outside 0 to GetChildCount() - 1.
  ZAL3DRep* GetChild(int index) const;

  ZAL3DRepType GetType() const override { return ZAL3DRepType::Bag; }
  void WriteShape(ZALMathStream& stream) const override;

protected:
  bool IsSameShape(const ZAL3DRep& other) const override;

private:
  ZAL3DBagRep() = default;
  ~ZAL3DBagRep() override;

  std::vector<ZAL3DRep*> m_children;
};
