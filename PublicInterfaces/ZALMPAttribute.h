#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"

#include <RVLSharedVector.h>
#include <ZALString.h>

class ZALMPParameter;
class ZALMPState;
class ZALMPValue;

/// The base of parameters and states: named, typed groups of values that any
/// entity can carry, arranged in trees of children of the same kind. A
/// parameter's children are parameters and a state's children states; an
/// attribute of neither kind has none. The lists hold each referent once, in
/// the order added; the partners are never asked anything and stay linked when
/// the attribute is orphaned. A copy starts with empty lists and no type.
class ZALMP_EXPORT ZALMPAttribute : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPAttribute, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPAttribute() override;

  /// S_OK: `child` appended. S_FALSE: already a child. E_FAIL: an empty handle
  /// or a child that would close a loop (this attribute or one of its
  /// ancestors; reported), or a child of another kind than this attribute (not reported).
  HRESULT AddChild(const RVLSharedHandle<ZALMPAttribute>& child);
  /// The size of the children list this attribute's kind uses.
  int GetChildrenCount() const;
  /// S_OK and the child at `index`; E_FAIL and a null handle outside [0, count).
  HRESULT GetChild(int index, RVLSharedHandle<ZALMPAttribute>& child) const;
  /// Appends every descendant depth-first: each child, then its own descendants.
  /// S_FALSE when the last attribute reached has no children; E_FAIL when
  /// children exist but none could be fetched.
  virtual HRESULT GetAllChildren(RVLSharedVector<ZALMPAttribute>& descendants) const;

  /// S_OK: appended. S_FALSE: already there. E_FAIL: an empty handle (reported).
  HRESULT AddValue(const RVLSharedHandle<ZALMPValue>& value);
  /// S_OK and the value at `index`; E_FAIL and a null handle outside [0, count).
  HRESULT GetValue(int index, RVLSharedHandle<ZALMPValue>& value) const;
  int GetValueCount() const;

  /// The host's free text; it is neither saved nor copied.
  void SetType(const ZALString& type) { m_type = type; }
  const ZALString& GetType() const { return m_type; }

  /// The common part into `element` (the kind's own element), then "Values"
  /// and the children group of the kind, as references. S_OK; E_FAIL
  /// (reported) without an element or when the common part fails.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads back what Serialize wrote; unknown ids are skipped.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPAttribute();
  ZALMPAttribute(const ZALMPAttribute& source);

private:
  // The children list's adders, one per kind, for reading and copying.
  HRESULT AddChildParameter(const RVLSharedHandle<ZALMPParameter>& child);
  HRESULT AddChildState(const RVLSharedHandle<ZALMPState>& child);
  bool IsParameter() const;
  bool IsState() const;

  ZALMPLinkList<ZALMPParameter> m_childParameters;
  ZALMPLinkList<ZALMPState> m_childStates;
  ZALMPLinkList<ZALMPValue> m_values;
  ZALString m_type;
};
