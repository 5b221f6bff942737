#pragma once
#include "ZALMPExport.h"
#include "ZALMPFieldType.h"
#include "ZALMPFieldValue.h"
#include "ZALMPSourceLocation.h"

#include <ZALStatus.h>

#include <string_view>
#include <vector>

class ZALMPEntity;

/// One field of an entity kind, described once: its name (the name of its
/// Get/Set operations), its type and, for an enumeration, the member names.
/// Get and Set go through the kind's own operations, so a field read or
/// written here behaves exactly as through the typed interface. Made by
/// ZALMPFieldTable::Field and ZALMPFieldTable::ReadOnly.
class ZALMP_EXPORT ZALMPField {
public:
  virtual ~ZALMPField();

  std::wstring_view Name() const { return m_name; }
  virtual ZALMPFieldType::Enum Type() const = 0;
  /// The member names of an enumeration, in their table's order; empty for other types.
  virtual std::vector<std::wstring_view> EnumerationNames() const { return {}; }
  /// False for a field that can only be read.
  virtual bool IsWritable() const = 0;

  /// The getter's answer, and `value` holding what it gave in the field's
  /// representation (ZALMPFieldValue); on a failed get, the type's zero.
  virtual HRESULT Get(const ZALMPEntity& entity, ZALMPFieldValue& value) const = 0;
  /// The setter's answer. S_FALSE: the field cannot be written; nothing
  /// changes. E_FAIL (reported): `value` is not of the field's type, has the
  /// wrong number of coordinates, is not a placement (last row other than
  /// 0 ... 0 1), is out of the integer's range or names no member of the
  /// enumeration; nothing changes.
  virtual HRESULT Set(ZALMPEntity& entity, const ZALMPFieldValue& value) const = 0;

protected:
  ZALMPField(std::wstring_view name, ZALMPSourceLocation where) : m_name(name), m_where(where) {}
  void Report() const;

private:
  std::wstring_view m_name;
  ZALMPSourceLocation m_where;
};
