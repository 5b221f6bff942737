#pragma once
#include <ZALMPIdentifierMap.h>
#include <ZALMPSourceLocation.h>

#include <ZALStatus.h>

class ZALMPDeserializer;
class ZALMPGeometry;
class ZALMPSerializer;
class ZALMathPoint;
class ZALMathVector;

/// The element layout of the conic kinds. All of them keep a centre, the
/// direction of the major axis and the normal of the plane; an ellipse and a
/// hyperbola add a major and a minor radius, a cirline and a parabola a
/// curvature. The two kinds of a pair write and read themselves through the
/// same two functions here, so their layouts are one.
///
/// Writing adds the element of `className` under `parent`, the geometry's
/// common part, then "Coordinates" with the numbers in that order; a number
/// that cannot be written is reported and the rest is written. Reading finds
/// them again: each direction is made a unit vector, a missing number is
/// reported and read as 0. Both give S_OK, or E_FAIL (reported at `where`) when
/// `parent` is null, an element cannot be added or found, or the common part
/// fails; a failed read changes none of the fields.
namespace ZALMPConicCoordinates {

HRESULT WriteWithRadii(const ZALMPGeometry& kind, const char* className, ZALMPSerializer* parent,
                       ZALMPSourceLocation where, const ZALMathPoint& centre, const ZALMathVector& majorDirection,
                       const ZALMathVector& normal, double majorRadius, double minorRadius);
HRESULT ReadWithRadii(ZALMPGeometry& kind, const char* className, const ZALMPDeserializer* parent,
                      const ZALMPIdentifierMap& ids, ZALMPSourceLocation where, ZALMathPoint& centre,
                      ZALMathVector& majorDirection, ZALMathVector& normal, double& majorRadius, double& minorRadius);

HRESULT WriteWithCurvature(const ZALMPGeometry& kind, const char* className, ZALMPSerializer* parent,
                           ZALMPSourceLocation where, const ZALMathPoint& centre, const ZALMathVector& majorDirection,
                           const ZALMathVector& normal, double curvature);
HRESULT ReadWithCurvature(ZALMPGeometry& kind, const char* className, const ZALMPDeserializer* parent,
                          const ZALMPIdentifierMap& ids, ZALMPSourceLocation where, ZALMathPoint& centre,
                          ZALMathVector& majorDirection, ZALMathVector& normal, double& curvature);

}  // namespace ZALMPConicCoordinates
