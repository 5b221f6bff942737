#pragma once
#include "ZALMathVector.h"

/// A unit vector of space. Made from a vector whose squared length is exactly
/// 1 it keeps that vector; from any other non-zero vector it is the vector
/// divided by its length; from the zero vector it is (1, 0, 0). Converts to
/// ZALMathVector wherever a vector is expected.
class ZALMathDirection {
public:
  /// (1, 0, 0).
  constexpr ZALMathDirection() noexcept = default;
  explicit ZALMathDirection(const ZALMathVector& vector) noexcept { SetVector(vector); }
  ZALMathDirection(double x, double y, double z) noexcept { SetVector({x, y, z}); }

  /// Same rule as construction. A vector with a non-finite component gives
  /// non-finite coordinates.
  void SetCoord(double x, double y, double z) noexcept { SetVector({x, y, z}); }
  void SetCoord(const double coord[3]) noexcept { SetVector(ZALMathVector(coord)); }
  void SetVector(const ZALMathVector& vector) noexcept;

  constexpr void GetCoord(double& x, double& y, double& z) const noexcept { m_vector.GetCoord(x, y, z); }
  constexpr void GetCoord(double coord[3]) const noexcept { m_vector.GetCoord(coord); }
  constexpr double GetX() const noexcept { return m_vector.GetX(); }
  constexpr double GetY() const noexcept { return m_vector.GetY(); }
  constexpr double GetZ() const noexcept { return m_vector.GetZ(); }
  constexpr const ZALMathVector& GetVector() const noexcept { return m_vector; }
  constexpr operator ZALMathVector() const noexcept { return m_vector; }

  /// Exact, component by component.
  friend constexpr bool operator==(const ZALMathDirection&, const ZALMathDirection&) noexcept = default;

private:
  ZALMathVector m_vector{1.0, 0.0, 0.0};
};
