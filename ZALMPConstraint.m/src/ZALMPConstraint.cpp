#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPConstraint"
#include <ZALMPAssertionReport.h>

#include <ZALIMPConstraintLoader.h>
#include <ZALMPConstraint.h>
#include <ZALMPConstraintParameter.h>
#include <ZALMPDeserializer.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGeometry.h>
#include <ZALMPJoint.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSensor.h>
#include <ZALMPVariable.h>

#include <ZALXHContext.h>

#include <algorithm>
#include <string_view>

namespace {

constexpr std::wstring_view kParameters = L"ConstraintParameters";
constexpr std::wstring_view kParameter = L"ConstraintParameter";

// The constraint loader's answer, or `refused` when there is no constraint
// loader or it cannot be had (the fetch reports that itself).
template <class Result, class Call>
Result AskLoader(const ZALMPConstraint& constraint, Result refused, Call call)
{
  ZALIMPConstraintLoader* loader = nullptr;
  if (FAILED(constraint.GetLoader(loader)) || !loader) return refused;
  return call(*loader);
}

}  // namespace

ZALMP_DEFINE_CLASS(ZALMPConstraint, ZALMPEntity);

ZALMPConstraint::ZALMPConstraint() = default;

ZALMPConstraint::ZALMPConstraint(const ZALMPConstraint& source) : ZALMPEntity(source) {}

ZALMPConstraint::~ZALMPConstraint() = default;

ZALMP_DEFINE_LOADER(ZALMPConstraint, ZALIMPConstraintLoader);

HRESULT ZALMPConstraint::SetJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  m_joint = joint;
  return S_OK;
}

HRESULT ZALMPConstraint::GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const
{
  joint = m_joint;
  return joint ? S_OK : E_FAIL;
}

HRESULT ZALMPConstraint::RemoveJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  return ZALMPRemoveLink(m_joint, joint, ZALMP_HERE);
}

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConstraint, ZALMPGeometry, m_geometries, LinkToGeometry, RemoveGeometry,
                                  GetLinkedGeometryCount, GetLinkedGeometry);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConstraint, ZALMPVariable, m_variables, LinkToVariable, RemoveVariable,
                                  GetLinkedVariableCount, GetLinkedVariable);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConstraint, ZALMPSensor, m_sensors, LinkToSensor, RemoveSensor,
                                  GetLinkedSensorCount, GetLinkedSensor);

HRESULT ZALMPConstraint::AddConstraintParameter(ZALMPConstraintParameter* parameter)
{
  // A pointer already held joins its owner, so that it is deleted once.
  const auto held = std::find_if(m_parameters.begin(), m_parameters.end(),
                                 [&](const auto& owner) { return parameter && owner.get() == parameter; });
  if (held != m_parameters.end())
    m_parameters.push_back(*held);
  else
    m_parameters.emplace_back(parameter);
  return S_OK;
}

HRESULT ZALMPConstraint::GetConstraintParameter(int index, ZALMPConstraintParameter*& parameter) const
{
  if (index < 0 || index >= GetConstraintParameterCount()) return E_FAIL;
  parameter = m_parameters[static_cast<std::size_t>(index)].get();
  return S_OK;
}

int ZALMPConstraint::GetConstraintParameterCount() const
{
  return static_cast<int>(m_parameters.size());
}

// RemoveParent asks the joint (then lets it go), then every geometry, variable
// and sensor to drop the constraint; the first failure ends it, else the last
// answer is returned. ClearContainers empties the three lists.
ZALMP_DEFINE_LINKS(ZALMPConstraint, &ZALMPEntity::LinkTable(), LastPartner,
                   ZALMPLinkTable::List(&ZALMPConstraint::m_geometries, L"Geometries", L"Geometry",
                                        &ZALMPConstraint::LinkToGeometry, &ZALMPGeometry::RemoveConstraint,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::One(&ZALMPConstraint::m_joint, L"Joint", &ZALMPConstraint::SetJoint,
                                       &ZALMPJoint::RemoveConstraint, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::List(&ZALMPConstraint::m_variables, L"Variables", L"Variable",
                                        &ZALMPConstraint::LinkToVariable, &ZALMPVariable::RemoveConstraint,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::List(&ZALMPConstraint::m_sensors, L"Sensors", L"Sensor",
                                        &ZALMPConstraint::LinkToSensor, &ZALMPSensor::RemoveConstraint,
                                        ZALMPFilteredCopy::Dropped, ZALMP_HERE));

HRESULT ZALMPConstraint::Serialize(ZALMPSerializer* element) const
{
  if (!element || FAILED(ZALMPEntity::Serialize(element))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Write(*this, element);

  // Parameters nobody has read or marked are the solver's to make again: a
  // list without an initialized one is not written.
  const bool anyInitialized = std::any_of(m_parameters.begin(), m_parameters.end(),
                                          [](const auto& parameter) { return parameter && parameter->IsInitialized(); });
  if (!anyInitialized) return S_OK;
  const ZALMPFieldWriter group = ZALMPFieldWriter(element, ZALMP_HERE).Group(kParameters);
  if (!group) return S_OK;
  for (const auto& parameter : m_parameters)
    if (!parameter || FAILED(parameter->Serialize(group.Element()))) ZALMP_REPORT();
  return S_OK;
}

HRESULT ZALMPConstraint::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element || FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Read(*this, element, ids);

  if (!element->HasElement(kParameters)) return S_OK;
  ZALMPDeserializer* group = nullptr;
  element->GetElement(kParameters, group);
  if (!group) {
    ZALMP_REPORT();
    return S_OK;
  }
  ZALMPDeserializer::ElementIterator begin{};
  ZALMPDeserializer::ElementIterator end{};
  group->GetElements(kParameter, begin, end);
  for (auto item = begin; item != end; ++item) {
    auto parameter = std::make_unique<ZALMPConstraintParameter>();
    if (FAILED(parameter->Deserialize(*item, ids))) ZALMP_REPORT();
    if (FAILED(AddConstraintParameter(parameter.release()))) ZALMP_REPORT();
  }
  return S_OK;
}

bool ZALMPConstraint::IsSatisfied(double& error)
{
  return AskLoader(*this, false, [&](ZALIMPConstraintLoader& loader) { return loader.IsSatisfied(error); });
}

bool ZALMPConstraint::IsSatisfied()
{
  return AskLoader(*this, false, [](ZALIMPConstraintLoader& loader) {
    bool satisfied = false;
    // An error the host raises while judging means "not satisfied".
    return ZALXHContext::Run([&] { satisfied = loader.IsSatisfied(); }) && satisfied;
  });
}

HRESULT ZALMPConstraint::CurrentValue(int index, double& value, double& secondValue)
{
  return AskLoader(*this, E_FAIL,
                   [&](ZALIMPConstraintLoader& loader) { return loader.CurrentValue(index, value, secondValue); });
}

HRESULT ZALMPConstraint::CurrentValue(double& value)
{
  return AskLoader(*this, E_FAIL, [&](ZALIMPConstraintLoader& loader) { return loader.CurrentValue(value); });
}

HRESULT ZALMPConstraint::CurrentOptions(ZALMPOptionsOrientation& options)
{
  return AskLoader(*this, E_FAIL, [&](ZALIMPConstraintLoader& loader) { return loader.CurrentOptions(options); });
}
