#pragma once
#include "ZALMPCoordinateNames.h"

#include <ZALMPIdentifierMap.h>
#include <ZALMPSourceLocation.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

class ZALMPDeserializer;
class ZALMPGeometry;

/// Reads one geometry kind's element back, the reverse of ZALMPGeometryWriter.
/// A number that is missing or unreadable is reported (at the kind's own
/// location) and read as 0.
class ZALMPGeometryReader {
public:
  explicit ZALMPGeometryReader(ZALMPSourceLocation where) : m_where(where) {}

  /// Finds the element of class `className` under `parent`, reads the common
  /// part of `geometry` from it and finds "Coordinates". S_OK; E_FAIL
  /// (reported) when `parent` is null, an element is missing or the common
  /// part fails.
  HRESULT Begin(ZALMPGeometry& geometry, const char* className, const ZALMPDeserializer* parent,
                const ZALMPIdentifierMap& ids);

  double Number(const wchar_t* name) const;
  ZALMathPoint Point(const ZALMPCoordinateNames::Triple& names) const;
  ZALMathVector Vector(const ZALMPCoordinateNames::Triple& names) const;
  /// The vector made a unit direction: kept when its squared length is exactly
  /// 1, divided by its length otherwise, (1, 0, 0) for the zero vector.
  ZALMathVector Direction(const ZALMPCoordinateNames::Triple& names) const;

private:
  void Report() const;

  ZALMPSourceLocation m_where;
  const ZALMPDeserializer* m_coordinates = nullptr;
};
