#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPConstant.h>
#include <ZALMPExpression.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSourceLocation.h>

#include <RVLSharedHandle.h>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

/// A spatial force actuator setter's answer once it tried to store and told
/// its loader: the loader's, or E_FAIL when nothing was stored and the loader
/// did not agree either.
inline HRESULT ZALMPStoredOrTold(bool stored, HRESULT told)
{
  return !stored && FAILED(told) ? E_FAIL : told;
}

/// The N components of a spatial force or torque, each a value entity: what
/// the spatial force actuators in space (N = 3) and in the plane share.
template <std::size_t N>
struct ZALMPForceComponents {
  using Given = RVLSharedHandle<ZALMPValue>[N];
  using Held = std::array<RVLSharedHandle<ZALMPValue>, N>;
  using Numbers = std::array<double, N>;
  /// The numbers to hold instead of the given ones, or none to hold the given values.
  using Conversion = std::function<std::optional<Numbers>(const Numbers&)>;

  template <class Values>
  static bool AnyExpression(const Values& values)
  {
    for (const RVLSharedHandle<ZALMPValue>& value : values)
      if (RVLSharedHandle<ZALMPExpression>::TryNarrow(value)) return true;
    return false;
  }

  /// The number of each constant; any other component counts 0, reported at
  /// `where` when `report` is set.
  template <class Values>
  static Numbers NumbersOf(const Values& values, bool report, ZALMPSourceLocation where)
  {
    Numbers numbers{};
    for (std::size_t index = 0; index < N; ++index) {
      const RVLSharedHandle<ZALMPConstant> constant = RVLSharedHandle<ZALMPConstant>::TryNarrow(values[index]);
      if (constant)
        constant->GetValue(numbers[index]);
      else if (report)
        ZALMPAssertionReport("", where.file, where.line);
    }
    return numbers;
  }

  /// New constants "Constant" (no quantity, in no world) holding `numbers`.
  static Held Constants(const Numbers& numbers)
  {
    Held held;
    for (std::size_t index = 0; index < N; ++index) {
      const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"Constant");
      constant->SetValue(numbers[index]);
      held[index] = constant;
    }
    return held;
  }

  /// Holds `given` in `held`, or, when none is an expression and `convert`
  /// gives numbers, constants of those. False (reported) when a given
  /// component is empty: nothing is held then.
  static bool Store(Held& held, const Given& given, const Conversion& convert, ZALMPSourceLocation where)
  {
    for (const RVLSharedHandle<ZALMPValue>& value : given)
      if (!value) {
        ZALMPAssertionReport("", where.file, where.line);
        return false;
      }
    const std::optional<Numbers> converted =
        AnyExpression(given) ? std::nullopt : convert(NumbersOf(given, false, where));
    if (converted) {
      held = Constants(*converted);
    } else {
      for (std::size_t index = 0; index < N; ++index) held[index] = given[index];
    }
    return true;
  }

  static void CopyOut(const Held& held, Given& out)
  {
    for (std::size_t index = 0; index < N; ++index) out[index] = held[index];
  }
};

/// Group `id` holding one value reference per component, named by `names`.
/// False when the group or a reference cannot be written (reported).
template <std::size_t N>
bool ZALMPWriteComponents(const ZALMPFieldWriter& out, std::wstring_view id,
                          const std::array<RVLSharedHandle<ZALMPValue>, N>& values,
                          const std::vector<std::wstring>& names)
{
  const ZALMPFieldWriter group = out.Group(id);
  ZALMPSerializer* element = group.Element();
  return group && SUCCEEDED(ZALMPSerializationServices::Serialize(element, values.data(), N, names));
}

/// Reads back what ZALMPWriteComponents wrote; false when the group is
/// missing (reported) or a reference does not resolve through `ids`.
template <std::size_t N>
bool ZALMPReadComponents(const ZALMPFieldReader& in, std::wstring_view id, const ZALMPIdentifierMap& ids,
                         RVLSharedHandle<ZALMPValue> (&values)[N], const std::vector<std::wstring>& names)
{
  const ZALMPFieldReader group = in.Group(id);
  return group && SUCCEEDED(ZALMPSerializationServices::Deserialize(group.Element(), names, ids, values));
}
