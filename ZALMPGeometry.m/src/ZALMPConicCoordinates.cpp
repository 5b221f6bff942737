#include "ZALMPConicCoordinates.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

#include <initializer_list>

namespace {

namespace names = ZALMPCoordinateNames;

// One of the kind's own numbers after the frame, with its element id.
struct Number {
  const wchar_t* name;
  double value;
};

struct NumberField {
  const wchar_t* name;
  double* field;
};

HRESULT Write(const ZALMPGeometry& kind, const char* className, ZALMPSerializer* parent, ZALMPSourceLocation where,
              const ZALMathPoint& centre, const ZALMathVector& majorDirection, const ZALMathVector& normal,
              std::initializer_list<Number> numbers)
{
  ZALMPGeometryWriter writer(where);
  if (FAILED(writer.Begin(kind, className, parent))) return E_FAIL;
  writer.Point(names::kCentre, centre);
  writer.Vector(names::kDirection, majorDirection);
  writer.Vector(names::kNormal, normal);
  for (const Number& number : numbers) writer.Number(number.name, number.value);
  return S_OK;
}

HRESULT Read(ZALMPGeometry& kind, const char* className, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
             ZALMPSourceLocation where, ZALMathPoint& centre, ZALMathVector& majorDirection, ZALMathVector& normal,
             std::initializer_list<NumberField> numbers)
{
  ZALMPGeometryReader reader(where);
  if (FAILED(reader.Begin(kind, className, parent, ids))) return E_FAIL;
  centre = reader.Point(names::kCentre);
  majorDirection = reader.Direction(names::kDirection);
  normal = reader.Direction(names::kNormal);
  for (const NumberField& number : numbers) *number.field = reader.Number(number.name);
  return S_OK;
}

}  // namespace

HRESULT ZALMPConicCoordinates::WriteWithRadii(const ZALMPGeometry& kind, const char* className, ZALMPSerializer* parent,
                                              ZALMPSourceLocation where, const ZALMathPoint& centre,
                                              const ZALMathVector& majorDirection, const ZALMathVector& normal,
                                              double majorRadius, double minorRadius)
{
  return Write(kind, className, parent, where, centre, majorDirection, normal,
               {{names::kMajorRadius, majorRadius}, {names::kMinorRadius, minorRadius}});
}

HRESULT ZALMPConicCoordinates::ReadWithRadii(ZALMPGeometry& kind, const char* className,
                                             const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                                             ZALMPSourceLocation where, ZALMathPoint& centre,
                                             ZALMathVector& majorDirection, ZALMathVector& normal,
                                             double& majorRadius, double& minorRadius)
{
  return Read(kind, className, parent, ids, where, centre, majorDirection, normal,
              {{names::kMajorRadius, &majorRadius}, {names::kMinorRadius, &minorRadius}});
}

HRESULT ZALMPConicCoordinates::WriteWithCurvature(const ZALMPGeometry& kind, const char* className,
                                                  ZALMPSerializer* parent, ZALMPSourceLocation where,
                                                  const ZALMathPoint& centre, const ZALMathVector& majorDirection,
                                                  const ZALMathVector& normal, double curvature)
{
  return Write(kind, className, parent, where, centre, majorDirection, normal, {{names::kCurvature, curvature}});
}

HRESULT ZALMPConicCoordinates::ReadWithCurvature(ZALMPGeometry& kind, const char* className,
                                                 const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                                                 ZALMPSourceLocation where, ZALMathPoint& centre,
                                                 ZALMathVector& majorDirection, ZALMathVector& normal,
                                                 double& curvature)
{
  return Read(kind, className, parent, ids, where, centre, majorDirection, normal, {{names::kCurvature, &curvature}});
}
