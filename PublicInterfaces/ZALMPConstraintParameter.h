#pragma once
#include "ZALMPExport.h"
#include "ZALMPIdentifierMap.h"

#include <ZALStatus.h>

class ZALMPDeserializer;
class ZALMPSerializer;

/// A solver parameter of a constraint: two types, three tags and three
/// numbers whose meaning is the solver's. It belongs to the one constraint it
/// was added to and is not an entity (no identity, no registry).
///
/// A new parameter holds zeros and is not initialized; reading one from the
/// element tree marks it initialized, and a constraint writes its parameters
/// only when one of them is. Copies copy every field, the flag included.
class ZALMP_EXPORT ZALMPConstraintParameter {
public:
  ZALMPConstraintParameter() = default;
  ZALMPConstraintParameter(const ZALMPConstraintParameter& source) = default;
  ZALMPConstraintParameter& operator=(const ZALMPConstraintParameter& source) = default;
  virtual ~ZALMPConstraintParameter();

  /// Adds "ConstraintParameter" under `element` holding "Types" ("Type1",
  /// "Type2"), "Tags" ("Tag1" to "Tag3", the bit patterns as ints) and
  /// "Params" ("Cx", "Cy", "Cz"). S_OK once "ConstraintParameter" is added (a
  /// value that cannot be written is reported); E_FAIL (reported): no element
  /// or "ConstraintParameter" cannot be added.
  virtual HRESULT Serialize(ZALMPSerializer* element) const;
  /// Reads from `element`, the "ConstraintParameter" element itself, and marks
  /// the parameter initialized. Each of "Types", "Tags" and "Params" that is
  /// there replaces its whole array (a missing item is reported and reads as
  /// 0); a missing group is reported and keeps its array. S_OK; E_FAIL
  /// (reported): no element. `ids` is not used: a parameter refers to nothing.
  virtual HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids);

  /// Whole arrays are copied in and out.
  void SetTypes(const int types[2]);
  void GetTypes(int types[2]) const;
  void SetTags(const unsigned int tags[3]);
  void GetTags(unsigned int tags[3]) const;
  void SetParams(const double params[3]);
  void GetParams(double params[3]) const;

  void SetInitialized(bool initialized);
  bool IsInitialized() const;
  /// True when the first type and the first tag are both set (non-zero).
  bool IsComplete() const;

private:
  int m_types[2] = {0, 0};
  unsigned int m_tags[3] = {0, 0, 0};
  double m_params[3] = {0.0, 0.0, 0.0};
  bool m_initialized = false;
};
