#include "ZALMPGeometryWriter.h"

#include <ZALMPAssertionReport.h>
#include <ZALMPGeometry.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

HRESULT ZALMPGeometryWriter::Begin(const ZALMPGeometry& geometry, const char* className, ZALMPSerializer* parent)
{
  ZALMPSerializer* element = nullptr;
  if (!parent || FAILED(parent->AddElement(ZALMPSerializationServices::to_element_id(className), element)) ||
      !element || FAILED(geometry.ZALMPGeometry::Serialize(element)) ||
      FAILED(element->AddElement(L"Coordinates", m_coordinates)) || !m_coordinates) {
    m_coordinates = nullptr;
    Report();
    return E_FAIL;
  }
  return S_OK;
}

void ZALMPGeometryWriter::Number(const wchar_t* name, double value)
{
  ZALMPSerializer* child = nullptr;
  if (!m_coordinates || FAILED(m_coordinates->AddElement(name, child, value))) Report();
}

void ZALMPGeometryWriter::Point(const ZALMPCoordinateNames::Triple& names, const ZALMathPoint& point)
{
  Number(names[0], point.GetX());
  Number(names[1], point.GetY());
  Number(names[2], point.GetZ());
}

void ZALMPGeometryWriter::Vector(const ZALMPCoordinateNames::Triple& names, const ZALMathVector& vector)
{
  Number(names[0], vector.GetX());
  Number(names[1], vector.GetY());
  Number(names[2], vector.GetZ());
}

void ZALMPGeometryWriter::Report() const
{
  ZALMPAssertionReport("", m_where.file, m_where.line);
}
