#include "ZALMPCouplingEquationLink.h"

#include <ZALMPCoupling.h>
#include <ZALMPDeserializer.h>
#include <ZALMPEquation.h>

ZALMPCouplingEquationLink::ZALMPCouplingEquationLink(ZALMPSourceLocation where)
    : ZALMPLink(std::wstring_view(), L"Equation", where)
{
}

const RVLClassInfo& ZALMPCouplingEquationLink::PartnerClass() const
{
  return ZALMPEquation::ClassInfo();
}

HRESULT ZALMPCouplingEquationLink::Link(ZALMPEntity& entity, const RVLSharedHandle<ZALMPEntity>& partner) const
{
  if (!IsPartner(partner)) {
    Report();
    return E_FAIL;
  }
  return static_cast<ZALMPCoupling&>(entity).SetEquation(RVLSharedHandle<ZALMPEquation>(partner));
}

void ZALMPCouplingEquationLink::ForEachPartner(const ZALMPEntity&,
                                               const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>&) const
{
}

HRESULT ZALMPCouplingEquationLink::Detach(ZALMPEntity&, HRESULT previous) const
{
  return previous;
}

void ZALMPCouplingEquationLink::Release(ZALMPEntity&) const {}

void ZALMPCouplingEquationLink::Write(const ZALMPEntity& entity, ZALMPSerializer* element) const
{
  RVLSharedHandle<ZALMPEquation> equation;
  if (SUCCEEDED(static_cast<const ZALMPCoupling&>(entity).GetEquation(equation))) WriteOne(element, equation);
}

void ZALMPCouplingEquationLink::Read(ZALMPEntity& entity, const ZALMPDeserializer* element,
                                     const ZALMPIdentifierMap& ids) const
{
  ZALMPCoupling& coupling = static_cast<ZALMPCoupling&>(entity);
  ForEachReference(element, ids, [&](const ZALMPDeserializer&, const RVLSharedHandle<ZALMPEntity>& referent) {
    const RVLSharedHandle<ZALMPEquation> equation(referent);  // another kind raises RVLEInvalidCast
    if (FAILED(coupling.SetEquation(equation))) Report();
  });
}

void ZALMPCouplingEquationLink::Relink(ZALMPEntity&, const ZALMPEntity&, const ZALMPCopyLookup&, bool) const {}
