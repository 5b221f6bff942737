#define ZALMP_SOURCE_FILE "ZALMPConnector.m/src/ZALMPBushing"
#include <ZALMPAssertionReport.h>

#include <ZALMPValueArrayLink.h>
#include <ZALIMPBushingLoader.h>
#include <ZALMPBushing.h>
#include <ZALMPExpression.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSerializationServices.h>

#include <memory>
#include <string>
#include <vector>

ZALMP_DEFINE_KIND(ZALMPBushing, ZALMPConnector);

ZALMPBushing::ZALMPBushing(const ZALMPBushing& source) : ZALMPConnector(source) {}

ZALMP_DEFINE_LOADER(ZALMPBushing, ZALIMPBushingLoader);

namespace {

using Values = ZALMPBushing::Values;

bool IsComponent(int component)
{
  return component >= 0 && component < ZALMPBushing::kComponentCount;
}

HRESULT SetAt(Values& values, int component, const RVLSharedHandle<ZALMPValue>& value)
{
  if (!IsComponent(component) || !value) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  values[static_cast<std::size_t>(component)] = value;
  return S_OK;
}

HRESULT GetAt(const Values& values, int component, RVLSharedHandle<ZALMPValue>& value)
{
  value.Release();
  if (!IsComponent(component)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  value = values[static_cast<std::size_t>(component)];
  return S_OK;
}

constexpr const wchar_t* kComponents[] = {L"Tx", L"Ty", L"Tz", L"Rx", L"Ry", L"Rz"};

// The element ids of an array: `prefix` and the component, Tx to Rz.
std::vector<std::wstring> Names(const std::wstring& prefix)
{
  std::vector<std::wstring> names;
  for (const wchar_t* component : kComponents) names.push_back(prefix + component);
  return names;
}

}  // namespace

HRESULT ZALMPBushing::SetStiffness(int component, const RVLSharedHandle<ZALMPValue>& value)
{
  return SetAt(m_stiffness, component, value);
}

HRESULT ZALMPBushing::SetDamping(int component, const RVLSharedHandle<ZALMPValue>& value)
{
  return SetAt(m_damping, component, value);
}

HRESULT ZALMPBushing::SetPreLoadForce(int component, const RVLSharedHandle<ZALMPValue>& value)
{
  return SetAt(m_preLoadForce, component, value);
}

HRESULT ZALMPBushing::GetStiffness(int component, RVLSharedHandle<ZALMPValue>& value) const
{
  return GetAt(m_stiffness, component, value);
}

HRESULT ZALMPBushing::GetDamping(int component, RVLSharedHandle<ZALMPValue>& value) const
{
  return GetAt(m_damping, component, value);
}

HRESULT ZALMPBushing::GetPreLoadForce(int component, RVLSharedHandle<ZALMPValue>& value) const
{
  return GetAt(m_preLoadForce, component, value);
}

using ZALMPBushingValues = ZALMPValueArrayLink<ZALMPBushing, ZALMPBushing::kComponentCount>;

ZALMP_DEFINE_LINKS(ZALMPBushing, &ZALMPConnector::LinkTable(), Success,
                   std::make_unique<ZALMPBushingValues>(&ZALMPBushing::m_stiffness, L"Stiffness", ZALMP_HERE),
                   std::make_unique<ZALMPBushingValues>(&ZALMPBushing::m_damping, L"Damping", ZALMP_HERE),
                   std::make_unique<ZALMPBushingValues>(&ZALMPBushing::m_preLoadForce, L"PreLoadForce", ZALMP_HERE));

HRESULT ZALMPBushing::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConnector>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  ZALMPSerializer* element = out.Element();
  // Each array stops at its first missing value; the failure is reported there.
  ZALMPSerializationServices::Serialize(element, m_stiffness.data(), kComponentCount, Names(L"Stiffness"));
  ZALMPSerializationServices::Serialize(element, m_damping.data(), kComponentCount, Names(L"Damping"));
  // Only an expression is saved as a pre-load force; any other stands in as a
  // constant of no world, which reading cannot find.
  Values preLoad;
  for (std::size_t index = 0; index < preLoad.size(); ++index)
    preLoad[index] = m_preLoadForce[index] && m_preLoadForce[index]->isDerivedFrom(ZALMPExpression::ClassInfo_)
                         ? m_preLoadForce[index]
                         : EmptyForce(kComponents[index]);
  ZALMPSerializationServices::Serialize(element, preLoad.data(), kComponentCount, Names(L"PreForce"));
  return S_OK;
}

HRESULT ZALMPBushing::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPConnector>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  // An array is taken whole or not at all.
  const auto readArray = [&](const std::wstring& prefix, Values& into, bool reportMissing) {
    Values read;
    if (FAILED(ZALMPSerializationServices::Deserialize(in.Element(), Names(prefix), ids, read.data()))) {
      if (reportMissing) ZALMP_REPORT();
      return;
    }
    for (std::size_t index = 0; index < read.size(); ++index)
      if (FAILED(SetAt(into, static_cast<int>(index), read[index]))) ZALMP_REPORT();
  };
  readArray(L"Stiffness", m_stiffness, true);
  readArray(L"Damping", m_damping, true);
  readArray(L"PreForce", m_preLoadForce, false);
  return S_OK;
}
