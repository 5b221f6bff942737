#pragma once
#include "ZALMPExport.h"
#include "ZALMPField.h"
#include "ZALMPProperty.h"
#include "ZALMPSourceLocation.h"

#include <ZALStatus.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

/// The fields of an entity class, described once beside its links: one row
/// per Get/Set pair, naming the pair. A host (a script binding, an inspector)
/// walks it to read and write any kind's fields without knowing the kind.
/// A class's table holds its own fields and names its base class's table.
class ZALMP_EXPORT ZALMPFieldTable {
public:
  /// The table of a class without fields of its own beyond `base`'s.
  explicit ZALMPFieldTable(const ZALMPFieldTable* base = nullptr) : m_base(base) {}
  ZALMPFieldTable(const ZALMPFieldTable* base, std::vector<std::unique_ptr<const ZALMPField>> fields)
      : m_base(base), m_fields(std::move(fields))
  {
  }

  /// A field read by `get` and written by `set`, a setter of `Owner` taking
  /// the field's type (by value or by reference; it may also return nothing).
  /// Failures of the row itself are reported at `where`.
  template <class Owner, class T, class Setter>
  static std::unique_ptr<const ZALMPField> Field(std::wstring_view name, HRESULT (Owner::*get)(T&) const,
                                                 Setter set, ZALMPSourceLocation where);
  /// As above, read by a getter that gives the value (and cannot fail).
  template <class Owner, class T, class Setter>
  static std::unique_ptr<const ZALMPField> Field(std::wstring_view name, T (Owner::*get)() const, Setter set,
                                                 ZALMPSourceLocation where);
  /// A field that can only be read.
  template <class Owner, class T>
  static std::unique_ptr<const ZALMPField> ReadOnly(std::wstring_view name, HRESULT (Owner::*get)(T&) const,
                                                    ZALMPSourceLocation where)
  {
    return Field(name, get, nullptr, where);
  }

  /// Builds a table from rows made by Field and ReadOnly, in their order.
  template <class... Fields>
  static ZALMPFieldTable Of(const ZALMPFieldTable* base, Fields&&... fields)
  {
    std::vector<std::unique_ptr<const ZALMPField>> rows;
    (rows.push_back(std::forward<Fields>(fields)), ...);
    return ZALMPFieldTable(base, std::move(rows));
  }

  /// This class's own fields (the base's are not included).
  const std::vector<std::unique_ptr<const ZALMPField>>& OwnFields() const { return m_fields; }
  /// Calls `visit` with every field of the class and its bases, bases first;
  /// a field the class declares again under a base's name replaces the base's.
  void ForEachField(const std::function<void(const ZALMPField&)>& visit) const;
  /// The field named `name`, the class's own before its bases'; null when there is none.
  const ZALMPField* Find(std::wstring_view name) const;
  /// The number of fields ForEachField visits.
  std::size_t Count() const;

private:
  const ZALMPFieldTable* m_base = nullptr;
  std::vector<std::unique_ptr<const ZALMPField>> m_fields;
};

/// Defines the field table of `Class` (declared with ZALMP_DECLARE_FIELDS),
/// whose base's table is `base`, from rows made by ZALMP_FIELD_ROW and its twins.
#define ZALMP_DEFINE_FIELDS(Class, base, ...)                                        \
  const ZALMPFieldTable& Class::FieldTable()                                         \
  {                                                                                  \
    static const ZALMPFieldTable table = ZALMPFieldTable::Of(base, __VA_ARGS__);     \
    return table;                                                                    \
  }                                                                                  \
  /* Made while the library loads, as the link tables are. */                        \
  [[maybe_unused]] static const ZALMPFieldTable& zalmpFieldsAtLoad##Class = Class::FieldTable()

/// The row of field `Name` of `Class`: `Get<Name>` and `Set<Name>`.
#define ZALMP_FIELD_ROW(Class, Name) ZALMPFieldTable::Field(L"" #Name, &Class::Get##Name, &Class::Set##Name, ZALMP_HERE)
/// The row of a field of type `Type` whose Get and Set are overloaded (a value
/// property's number form: ZALMP_NUMBER_VALUE_PROPERTY); the setter takes
/// the value as a plain property's does (ZALMPPropertyArgument).
#define ZALMP_FIELD_ROW_OF(Class, Type, Name)                                                              \
  ZALMPFieldTable::Field<Class, Type>(                                                                     \
      L"" #Name, &Class::Get##Name, static_cast<HRESULT (Class::*)(ZALMPPropertyArgument<Type>)>(&Class::Set##Name), \
      ZALMP_HERE)
/// The row of a field with only `Get<Name>`.
#define ZALMP_READ_ONLY_FIELD_ROW(Class, Name) ZALMPFieldTable::ReadOnly(L"" #Name, &Class::Get##Name, ZALMP_HERE)

#include "ZALMPFieldRow.h"
