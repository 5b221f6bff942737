#define ZALMP_SOURCE_FILE "ZALMPEntitiesServices.m/src/ZALMPEntitiesServices"
#include <ZALMPAssertionReport.h>

#include <ZALMPConstant.h>
#include <ZALMPEntitiesServices.h>
#include <ZALMPExpression.h>
#include <ZALMPVariable.h>

#include <ZALWBFactory.h>

namespace {

HRESULT Fail()
{
  ZALMP_REPORT();
  return E_FAIL;
}

}  // namespace

HRESULT ReadConstantValue(const RVLSharedHandle<ZALMPValue>& value, double& number)
{
  number = 0.0;
  const RVLSharedHandle<ZALMPConstant> constant = RVLSharedHandle<ZALMPConstant>::TryNarrow(value);
  if (!constant || FAILED(constant->GetValue(number))) return Fail();
  return S_OK;
}

HRESULT CreateConstantValue(double number, const RVLSharedHandle<ZALMPEntity>& owner,
                            ZALMPPhysicalQuantity::Enum quantity, RVLSharedHandle<ZALMPValue>& value)
{
  value.Release();
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"Constant");
  if (!constant || FAILED(constant->SetPhysicalQuantity(quantity)) || FAILED(constant->SetValue(number))) return Fail();
  bool inWorld = false;
  if (!owner || FAILED(owner->IsInWorld(inWorld))) return Fail();
  value = constant;
  if (!inWorld) return S_OK;
  // The world reports why it could not be had or refused the constant.
  if (FAILED(owner->AddValueToWorld(value))) return Fail();
  return S_OK;
}

HRESULT CreateExpressionValue(ZALWBFactory* factory, const RVLSharedHandle<ZALMPEntity>& owner,
                              ZALMPPhysicalQuantity::Enum quantity, RVLSharedHandle<ZALMPValue>& value)
{
  value.Release();
  if (!factory || factory->GetNbOfEquations() != 1) return Fail();
  const RVLSharedHandle<ZALMPExpression> expression = ZALMPExpression::create(L"Expression");
  if (!expression || FAILED(expression->SetPhysicalQuantity(quantity)) ||
      FAILED(expression->SetValue(factory->GetEquationById(0))))
    return Fail();
  bool inWorld = false;
  if (!owner || FAILED(owner->IsInWorld(inWorld))) return Fail();
  value = expression;
  if (!inWorld) return S_OK;
  // A refused filing does not stop the expression from following the time.
  if (FAILED(owner->AddValueToWorld(value))) ZALMP_REPORT();
  RVLSharedHandle<ZALMPVariable> time;
  if (FAILED(owner->GetGlobalTime(time)) || !time) return Fail();
  return expression->LinkToVariable(time);
}

HRESULT ZALMPSetNumberValue(const RVLSharedHandle<ZALMPEntity>& owner, const RVLSharedHandle<ZALMPValue>& held,
                            double number, const std::function<HRESULT(ZALMPPhysicalQuantity::Enum&)>& quantity,
                            const std::function<HRESULT(const RVLSharedHandle<ZALMPValue>&)>& install,
                            ZALMPSourceLocation where)
{
  RVLSharedHandle<ZALMPValue> value;
  if (const RVLSharedHandle<ZALMPConstant> constant = RVLSharedHandle<ZALMPConstant>::TryNarrow(held)) {
    if (SUCCEEDED(constant->SetValue(number))) value = constant;
  } else {
    ZALMPPhysicalQuantity::Enum newQuantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
    if (SUCCEEDED(quantity(newQuantity))) CreateConstantValue(number, owner, newQuantity, value);
  }
  if (value) return install(value);
  ZALMPAssertionReport("", where.file, where.line);
  return E_FAIL;
}
