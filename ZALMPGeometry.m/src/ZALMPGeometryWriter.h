#pragma once
#include "ZALMPCoordinateNames.h"

#include <ZALMPSourceLocation.h>

#include <ZALStatus.h>

class ZALMPGeometry;
class ZALMPSerializer;
class ZALMathPoint;
class ZALMathVector;

/// Writes one geometry kind's element: the element named after the kind, the
/// geometry's common part inside it, then "Coordinates" with one value element
/// per number. Failures are reported at the kind's own location.
class ZALMPGeometryWriter {
public:
  explicit ZALMPGeometryWriter(ZALMPSourceLocation where) : m_where(where) {}

  /// Adds the element of class `className` under `parent`, writes the common
  /// part of `geometry` into it and adds "Coordinates". S_OK; E_FAIL (reported)
  /// when `parent` is null, an element cannot be added or the common part fails.
  HRESULT Begin(const ZALMPGeometry& geometry, const char* className, ZALMPSerializer* parent);

  /// Adds one value element under "Coordinates"; a failure is reported and
  /// writing goes on.
  void Number(const wchar_t* name, double value);
  void Point(const ZALMPCoordinateNames::Triple& names, const ZALMathPoint& point);
  void Vector(const ZALMPCoordinateNames::Triple& names, const ZALMathVector& vector);

private:
  void Report() const;

  ZALMPSourceLocation m_where;
  ZALMPSerializer* m_coordinates = nullptr;
};
