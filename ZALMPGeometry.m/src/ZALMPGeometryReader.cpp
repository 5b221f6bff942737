#include "ZALMPGeometryReader.h"

#include <ZALMPAssertionReport.h>
#include <ZALMPDeserializer.h>
#include <ZALMPGeometry.h>
#include <ZALMPSerializationServices.h>

#include <ZALMathDirection.h>

#include <string>

HRESULT ZALMPGeometryReader::Begin(ZALMPGeometry& geometry, const char* className, const ZALMPDeserializer* parent,
                                   const ZALMPIdentifierMap& ids)
{
  m_coordinates = nullptr;
  const std::wstring elementId = ZALMPSerializationServices::to_element_id(className);
  if (!parent || !parent->HasElement(elementId)) {
    Report();
    return E_FAIL;
  }
  ZALMPDeserializer* element = nullptr;
  parent->GetElement(elementId, element);
  if (!element || FAILED(geometry.ZALMPGeometry::Deserialize(element, ids)) ||
      !element->HasElement(L"Coordinates")) {
    Report();
    return E_FAIL;
  }
  ZALMPDeserializer* coordinates = nullptr;
  element->GetElement(L"Coordinates", coordinates);
  if (!coordinates) {
    Report();
    return E_FAIL;
  }
  m_coordinates = coordinates;
  return S_OK;
}

double ZALMPGeometryReader::Number(const wchar_t* name) const
{
  double value = 0.0;
  ZALMPDeserializer* child = nullptr;
  // One lookup: a missing number is this kind's report alone; an unreadable
  // one is also the tree's.
  if (m_coordinates) m_coordinates->GetElement(name, child);
  if (!child || FAILED(child->GetValue(value))) {
    Report();
    return 0.0;
  }
  return value;
}

ZALMathPoint ZALMPGeometryReader::Point(const ZALMPCoordinateNames::Triple& names) const
{
  const double x = Number(names[0]);
  const double y = Number(names[1]);
  const double z = Number(names[2]);
  return {x, y, z};
}

ZALMathVector ZALMPGeometryReader::Vector(const ZALMPCoordinateNames::Triple& names) const
{
  const double x = Number(names[0]);
  const double y = Number(names[1]);
  const double z = Number(names[2]);
  return {x, y, z};
}

ZALMathVector ZALMPGeometryReader::Direction(const ZALMPCoordinateNames::Triple& names) const
{
  return ZALMathDirection(Vector(names)).GetVector();
}

void ZALMPGeometryReader::Report() const
{
  ZALMPAssertionReport("", m_where.file, m_where.line);
}
