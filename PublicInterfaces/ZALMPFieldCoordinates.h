#pragma once
#include "ZALMPExport.h"

#include <vector>

class ZALMath2x2Matrix;
class ZALMath3x3Matrix;
class ZALMathAxis;
class ZALMathLine;
class ZALMathLine2D;
class ZALMathPlane;
class ZALMathPoint;
class ZALMathPoint2D;
class ZALMathTransformation;
class ZALMathTransformation2D;
class ZALMathVector;
class ZALMathVector2D;

/// The coordinates of geometric field values in row order (ZALMPFieldValue):
/// points and vectors by coordinate, matrices row by row, placements as their
/// homogeneous matrices, axis systems, lines and planes as their origin row
/// followed by their direction rows (a plane's one direction is its normal).
/// Each Read is true when `coordinates` has the type's count (and, for a
/// placement, the last row 0 ... 0 1); `out` is set only then.
class ZALMP_EXPORT ZALMPFieldCoordinates {
public:
  static std::vector<double> Of(const ZALMathPoint& point);
  static std::vector<double> Of(const ZALMathVector& vector);
  static std::vector<double> Of(const ZALMath3x3Matrix& matrix);
  static std::vector<double> Of(const ZALMathTransformation& placement);
  static std::vector<double> Of(const ZALMathPoint2D& point);
  static std::vector<double> Of(const ZALMathVector2D& vector);
  static std::vector<double> Of(const ZALMath2x2Matrix& matrix);
  static std::vector<double> Of(const ZALMathTransformation2D& placement);
  static std::vector<double> Of(const ZALMathAxis& axis);
  static std::vector<double> Of(const ZALMathLine& line);
  static std::vector<double> Of(const ZALMathPlane& plane);
  static std::vector<double> Of(const ZALMathLine2D& line);

  static bool Read(const std::vector<double>& coordinates, ZALMathPoint& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathVector& out);
  static bool Read(const std::vector<double>& coordinates, ZALMath3x3Matrix& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathTransformation& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathPoint2D& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathVector2D& out);
  static bool Read(const std::vector<double>& coordinates, ZALMath2x2Matrix& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathTransformation2D& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathAxis& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathLine& out);
  /// The plane through the origin row normal to the normal row (see ZALMathPlane).
  static bool Read(const std::vector<double>& coordinates, ZALMathPlane& out);
  static bool Read(const std::vector<double>& coordinates, ZALMathLine2D& out);
};
