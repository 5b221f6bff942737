#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPConstraint.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSourceLocation.h>

#include <ZALStatus.h>

#include <string_view>

/// Whether a copy of a kind keeps an option or starts from the option's default.
enum class ZALMPOptionCopy { Kept, Default };

/// One enumerated option of a constraint kind: its element id, the member that
/// holds it, the setter that reading applies, and whether copies keep it.
template <class Kind, class Holder>
struct ZALMPConstraintOption {
  using Enum = typename Holder::Enum;

  std::wstring_view id;
  Enum Kind::*member;
  HRESULT (Kind::*set)(Enum);
  ZALMPOptionCopy copy;

  void Carry(Kind& copied, const Kind& source) const
  {
    if (copy == ZALMPOptionCopy::Kept) copied.*member = source.*member;
  }
  bool Write(const Kind& kind, const ZALMPFieldWriter& out) const { return out.Name<Holder>(id, kind.*member); }
  // For an option whose setter only stores, applying it is storing it.
  bool Read(Kind& kind, const ZALMPFieldReader& in) const
  {
    Enum value{};
    if (!in.Name<Holder>(id, value)) return false;
    if (SUCCEEDED((kind.*set)(value))) return true;
    in.Report();
    return false;
  }
};

/// A row of ZALMP_DEFINE_CONSTRAINT_KIND.
template <class Holder, class Kind>
constexpr ZALMPConstraintOption<Kind, Holder> ZALMPOption(std::wstring_view id, typename Holder::Enum Kind::*member,
                                                          HRESULT (Kind::*set)(typename Holder::Enum),
                                                          ZALMPOptionCopy copy = ZALMPOptionCopy::Kept)
{
  return {id, member, set, copy};
}

/// The frame every constraint kind writes and reads (ZALMP_DECLARE_CONSTRAINT_KIND):
/// its own element with the constraint's common part, then its options in order.
class ZALMPConstraintFrame {
public:
  template <class Kind, class... Options>
  static HRESULT Serialize(const Kind& kind, ZALMPSerializer* parent, ZALMPSourceLocation where,
                           const Options&... options)
  {
    const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConstraint>(kind, parent, where);
    if (!out) return E_FAIL;
    bool written = true;
    ((written = options.Write(kind, out) && written), ...);
    return written ? S_OK : E_FAIL;
  }

  template <class Kind, class... Options>
  static HRESULT Deserialize(Kind& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                             ZALMPSourceLocation where, const Options&... options)
  {
    const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPConstraint>(kind, parent, ids, where);
    if (!in) return E_FAIL;
    // Every option is applied, whatever became of the ones before it.
    bool read = true;
    ((read = options.Read(kind, in) && read), ...);
    if (read) return S_OK;
    in.Report();
    return E_FAIL;
  }
};

/// Stores `value` in `field`, then tells the kind's own loader through
/// `callback`: S_OK when there is no loader, else the loader's answer. A loader
/// that cannot be fetched is reported at `where` and gives `unfetched`; the
/// value stays stored either way.
template <class Kind, class Loader, class Enum>
HRESULT ZALMPStoreAndTell(const Kind& kind, Enum& field, Enum value, HRESULT (Loader::*callback)(Enum),
                          ZALMPSourceLocation where, HRESULT unfetched = E_FAIL)
{
  field = value;
  Loader* loader = nullptr;
  if (FAILED(kind.GetLoader(loader))) {
    ZALMPAssertionReport("", where.file, where.line);
    return unfetched;
  }
  return loader ? (loader->*callback)(value) : S_OK;
}

/// Has the kind's own loader fill `parameters` and gives its answer. E_FAIL
/// when there is no loader, or when it cannot be fetched (reported at `where`).
template <class Loader, class Kind>
HRESULT ZALMPSolverParameters(const Kind& kind, double* parameters, ZALMPSourceLocation where)
{
  Loader* loader = nullptr;
  if (FAILED(kind.GetLoader(loader))) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  return loader ? loader->GetSolverConstraintParameters(parameters) : E_FAIL;
}

/// Defines a constraint kind declared with ZALMP_DECLARE_CONSTRAINT_KIND whose
/// options are the ZALMPOption rows given, in element order: ZALMP_DEFINE_KIND,
/// the copy constructor (the base part as a new constraint's, the options
/// whose rows say so), Serialize and Deserialize. Failures are reported as the
/// kind's own (its ZALMP_SOURCE_FILE).
#define ZALMP_DEFINE_CONSTRAINT_KIND(T, ...)                                                       \
  ZALMP_DEFINE_KIND(T, ZALMPConstraint);                                                            \
  T::T(const T& source) : ZALMPConstraint(source)                                                   \
  {                                                                                                 \
    const auto carry = [&](const auto&... options) { (options.Carry(*this, source), ...); };        \
    carry(__VA_ARGS__);                                                                             \
  }                                                                                                 \
  HRESULT T::Serialize(ZALMPSerializer* parent) const                                               \
  {                                                                                                 \
    return ZALMPConstraintFrame::Serialize(*this, parent, ZALMP_HERE __VA_OPT__(, ) __VA_ARGS__);    \
  }                                                                                                 \
  HRESULT T::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)            \
  {                                                                                                 \
    return ZALMPConstraintFrame::Deserialize(*this, parent, ids, ZALMP_HERE __VA_OPT__(, ) __VA_ARGS__); \
  }                                                                                                 \
  static_assert(true, "")
