#include <ZALMPFieldCoordinates.h>

#include <ZALMath2x2Matrix.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathAxis.h>
#include <ZALMathLine.h>
#include <ZALMathLine2D.h>
#include <ZALMathPlane.h>
#include <ZALMathPoint.h>
#include <ZALMathPoint2D.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>
#include <ZALMathVector.h>
#include <ZALMathVector2D.h>

#include <cstddef>
#include <initializer_list>

namespace {

// Row order: element (row, column) of the matrix whose columns are given.
std::vector<double> Rows(const ZALMath3x3Matrix& matrix)
{
  const ZALMathVector columns[] = {matrix.GetFirstColumn(), matrix.GetSecondColumn(), matrix.GetThirdColumn()};
  std::vector<double> rows;
  for (int row = 0; row < 3; ++row)
    for (const ZALMathVector& column : columns)
      rows.push_back(row == 0 ? column.GetX() : row == 1 ? column.GetY() : column.GetZ());
  return rows;
}

std::vector<double> Rows(const ZALMath2x2Matrix& matrix)
{
  const ZALMathVector2D first = matrix.GetFirstColumn();
  const ZALMathVector2D second = matrix.GetSecondColumn();
  return {first.GetX(), second.GetX(), first.GetY(), second.GetY()};
}

// The matrix in the first rows of `c`, whose rows are `stride` numbers long.
ZALMath3x3Matrix MatrixAt(const double* c, std::size_t stride)
{
  return ZALMath3x3Matrix({c[0], c[stride], c[2 * stride]}, {c[1], c[stride + 1], c[2 * stride + 1]},
                          {c[2], c[stride + 2], c[2 * stride + 2]});
}

ZALMath2x2Matrix Matrix2DAt(const double* c, std::size_t stride)
{
  return ZALMath2x2Matrix({c[0], c[stride]}, {c[1], c[stride + 1]});
}

// An origin's row followed by one row per direction.
std::vector<double> Rows(const ZALMathPoint& origin, std::initializer_list<ZALMathVector> directions)
{
  std::vector<double> rows = {origin.GetX(), origin.GetY(), origin.GetZ()};
  for (const ZALMathVector& direction : directions)
    rows.insert(rows.end(), {direction.GetX(), direction.GetY(), direction.GetZ()});
  return rows;
}

// `out` made by `make` from `coordinates` when they are `count` numbers.
template <class T, class Make>
bool ReadExactly(const std::vector<double>& coordinates, std::size_t count, T& out, const Make& make)
{
  if (coordinates.size() != count) return false;
  out = make(coordinates.data());
  return true;
}

// A homogeneous matrix of `size` rows: its last row is 0 ... 0 1.
bool IsPlacement(const std::vector<double>& c, std::size_t size)
{
  if (c.size() != size * size) return false;
  for (std::size_t column = 0; column < size; ++column)
    if (c[(size - 1) * size + column] != (column + 1 == size ? 1.0 : 0.0)) return false;
  return true;
}

}  // namespace

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathPoint& point)
{
  return {point.GetX(), point.GetY(), point.GetZ()};
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathVector& vector)
{
  return {vector.GetX(), vector.GetY(), vector.GetZ()};
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMath3x3Matrix& matrix)
{
  return Rows(matrix);
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathTransformation& placement)
{
  const std::vector<double> rotation = Rows(placement.GetMatrix());
  const ZALMathVector translation = placement.GetVector();
  const double shift[] = {translation.GetX(), translation.GetY(), translation.GetZ()};
  std::vector<double> rows;
  for (std::size_t row = 0; row < 3; ++row) {
    rows.insert(rows.end(), rotation.begin() + 3 * row, rotation.begin() + 3 * row + 3);
    rows.push_back(shift[row]);
  }
  rows.insert(rows.end(), {0.0, 0.0, 0.0, 1.0});
  return rows;
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathPoint2D& point)
{
  return {point.GetX(), point.GetY()};
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathVector2D& vector)
{
  return {vector.GetX(), vector.GetY()};
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMath2x2Matrix& matrix)
{
  return Rows(matrix);
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathTransformation2D& placement)
{
  const std::vector<double> rotation = Rows(placement.GetMatrix());
  const ZALMathVector2D translation = placement.GetVector();
  return {rotation[0], rotation[1], translation.GetX(), rotation[2], rotation[3], translation.GetY(), 0.0, 0.0, 1.0};
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathPoint& out)
{
  return ReadExactly(coordinates, 3, out, [](const double* c) { return ZALMathPoint(c); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathVector& out)
{
  return ReadExactly(coordinates, 3, out, [](const double* c) { return ZALMathVector(c); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMath3x3Matrix& out)
{
  return ReadExactly(coordinates, 9, out, [](const double* c) { return MatrixAt(c, 3); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathTransformation& out)
{
  if (!IsPlacement(coordinates, 4)) return false;
  out = ZALMathTransformation(MatrixAt(coordinates.data(), 4),
                              ZALMathVector(coordinates[3], coordinates[7], coordinates[11]));
  return true;
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathPoint2D& out)
{
  return ReadExactly(coordinates, 2, out, [](const double* c) { return ZALMathPoint2D(c); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathVector2D& out)
{
  return ReadExactly(coordinates, 2, out, [](const double* c) { return ZALMathVector2D(c[0], c[1]); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMath2x2Matrix& out)
{
  return ReadExactly(coordinates, 4, out, [](const double* c) { return Matrix2DAt(c, 2); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathTransformation2D& out)
{
  if (!IsPlacement(coordinates, 3)) return false;
  out = ZALMathTransformation2D(Matrix2DAt(coordinates.data(), 3), ZALMathVector2D(coordinates[2], coordinates[5]));
  return true;
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathAxis& axis)
{
  return Rows(axis.GetOrigin(), {axis.GetFirstDirection(), axis.GetSecondDirection(), axis.GetThirdDirection()});
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathLine& line)
{
  return Rows(line.GetOrigin(), {line.GetDirection()});
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathPlane& plane)
{
  return Rows(plane.GetOrigin(), {plane.GetNormal()});
}

std::vector<double> ZALMPFieldCoordinates::Of(const ZALMathLine2D& line)
{
  const ZALMathPoint2D origin = line.GetOrigin();
  const ZALMathVector2D direction = line.GetDirection();
  return {origin.GetX(), origin.GetY(), direction.GetX(), direction.GetY()};
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathAxis& out)
{
  return ReadExactly(coordinates, 12, out, [](const double* c) {
    return ZALMathAxis(ZALMathPoint(c), ZALMathVector(c + 3), ZALMathVector(c + 6), ZALMathVector(c + 9));
  });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathLine& out)
{
  return ReadExactly(coordinates, 6, out, [](const double* c) { return ZALMathLine(ZALMathPoint(c), ZALMathVector(c + 3)); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathPlane& out)
{
  return ReadExactly(coordinates, 6, out, [](const double* c) { return ZALMathPlane(ZALMathPoint(c), ZALMathVector(c + 3)); });
}

bool ZALMPFieldCoordinates::Read(const std::vector<double>& coordinates, ZALMathLine2D& out)
{
  return ReadExactly(coordinates, 4, out, [](const double* c) {
    return ZALMathLine2D(ZALMathPoint2D(c), ZALMathVector2D(c[2], c[3]));
  });
}
