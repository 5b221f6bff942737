#pragma once
#include "ZALMPExport.h"

#include <ZALBaseUnknown_var.h>

/// The pair of model-object keys under which a registry files an entity.
/// Keys are normalized on the way in: a key whose object names another
/// implementing object is replaced by a handle to that object, so every
/// interface handle on one design object finds the same entry.
class ZALMP_EXPORT ZALMPRegistryKeyPair {
public:
  ZALMPRegistryKeyPair() = default;
  /// The pair of the normalized `key1` and `key2`.
  ZALMPRegistryKeyPair(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2);

  /// A handle to the object that implements `key`; `key` itself when it is
  /// null or its object names no implementer.
  static ZALBaseUnknown_var Normalize(const ZALBaseUnknown_var& key);

  const ZALBaseUnknown_var& First() const { return m_first; }
  const ZALBaseUnknown_var& Second() const { return m_second; }
  /// True when both keys are null: such a pair files nothing.
  bool IsKeyless() const { return !m_first && !m_second; }

  /// Strict weak order of key pairs: a null key before every non-null key,
  /// non-null keys by the address of their implementing object (asked anew at
  /// each comparison), first keys before second keys.
  struct Order {
    bool operator()(const ZALMPRegistryKeyPair& left, const ZALMPRegistryKeyPair& right) const;
  };

private:
  ZALBaseUnknown_var m_first;
  ZALBaseUnknown_var m_second;
};
