#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPCoupling"
#include <ZALMPAssertionReport.h>

#include "ZALMPCouplingEquationLink.h"

#include <ZALMPCoupling.h>
#include <ZALMPEquation.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_CLASS(ZALMPCoupling, ZALMPJoint);

ZALMPCoupling::ZALMPCoupling() = default;

ZALMPCoupling::ZALMPCoupling(const ZALMPCoupling& source) : ZALMPJoint(source) {}

ZALMPCoupling::~ZALMPCoupling() = default;

ZALMP_DEFINE_LINKS(ZALMPCoupling, &ZALMPJoint::LinkTable(), LastPartner,
                   std::make_unique<const ZALMPCouplingEquationLink>(ZALMP_HERE));

HRESULT ZALMPCoupling::GetEquation(RVLSharedHandle<ZALMPEquation>& equation) const
{
  RVLSharedHandle<ZALMPConstraint> first;
  GetConstraint(0, first);
  equation = RVLSharedHandle<ZALMPEquation>::TryNarrow(first);
  return equation ? S_OK : E_FAIL;
}

HRESULT ZALMPCoupling::SetEquation(const RVLSharedHandle<ZALMPEquation>& equation)
{
  if (!equation) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  RVLSharedHandle<ZALMPConstraint> first;
  if (FAILED(GetConstraint(0, first))) return AddConstraint(equation);
  if (first == equation) return S_OK;
  RVLSharedHandle<ZALMPEquation> replaced;
  if (SUCCEEDED(GetEquation(replaced))) RemoveConstraint(replaced);
  RemoveConstraint(equation);
  return InsertConstraint(0, equation);
}

HRESULT ZALMPCoupling::Serialize(ZALMPSerializer* element) const
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Write(*this, element);
  return ZALMPJoint::Serialize(element);
}

HRESULT ZALMPCoupling::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Read(*this, element, ids);
  return ZALMPJoint::Deserialize(element, ids);
}
