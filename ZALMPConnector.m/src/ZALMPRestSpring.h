#pragma once
#include "ZALMPValueField.h"

#include <ZALMPAssertionReport.h>
#include <ZALMPConnector.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSourceLocation.h>
#include <ZALMPSpringBehavior.h>

/// The element of a linear or torsion spring, which differ only in their rest
/// property (`rest`): the connector part, "Stiffness", the rest property,
/// "Behavior" (its name) and "DampingCoefficient". S_OK when every child was
/// written (read and applied); else E_FAIL, reported at `where`.
template <class Spring>
class ZALMPRestSpring {
public:
  using Field = ZALMPValueField<Spring>;

  static HRESULT Write(const Spring& spring, ZALMPSerializer* parent, const Field& rest, ZALMPSourceLocation where)
  {
    const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConnector>(spring, parent, where);
    if (!out) return E_FAIL;
    ZALMPSpringBehavior::Enum behavior = ZALMPSpringBehavior::Bidirectional;
    spring.GetBehavior(behavior);
    bool done = kStiffness.Write(spring, out.Element());
    done = rest.Write(spring, out.Element()) && done;
    done = out.template Name<ZALMPSpringBehavior>(L"Behavior", behavior) && done;
    done = kDamping.Write(spring, out.Element()) && done;
    return Done(done, where);
  }

  static HRESULT Read(Spring& spring, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                      const Field& rest, ZALMPSourceLocation where)
  {
    const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPConnector>(spring, parent, ids, where);
    if (!in) return E_FAIL;
    bool done = kStiffness.Read(spring, in.Element(), ids);
    done = rest.Read(spring, in.Element(), ids) && done;
    ZALMPSpringBehavior::Enum behavior = ZALMPSpringBehavior::Bidirectional;
    done = in.template Name<ZALMPSpringBehavior>(L"Behavior", behavior) && SUCCEEDED(spring.SetBehavior(behavior)) && done;
    done = kDamping.Read(spring, in.Element(), ids) && done;
    return Done(done, where);
  }

private:
  static HRESULT Done(bool done, ZALMPSourceLocation where)
  {
    if (done) return S_OK;
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }

  static constexpr Field kStiffness{L"Stiffness", &Spring::GetStiffness, &Spring::SetStiffness};
  static constexpr Field kDamping{L"DampingCoefficient", &Spring::GetDampingCoefficient,
                                  &Spring::SetDampingCoefficient};
};
