#pragma once
#include <ZALMathPoint.h>
#include <ZALMathVector.h>

class ZALMathStream;

/// The numbers of a piece of circle, shared by the arc and by the cylinder
/// patch (whose cross-section it is): the point at angle a is
/// centre + radius·(cos a·x + sin a·y), where x is the reference direction
/// made normal to the normal and y is normal × x.
struct ZALTRVCircularSpan {
  ZALMathPoint centre;
  ZALMathVector normal{0.0, 0.0, 1.0};
  ZALMathVector reference{1.0, 0.0, 0.0};
  double radius = 1.0;
  double startAngle = 0.0;
  double endAngle = 0.0;

  /// True when every number is finite, the radius positive, the normal and
  /// reference neither zero nor parallel, and the angles an interval of at
  /// most one turn.
  bool IsValid() const;
  ZALMathPoint PointAt(double angle) const;

  void Write(ZALMathStream& stream) const;
  /// Reads what Write wrote; the stream tells whether the bytes were there.
  static ZALTRVCircularSpan Read(ZALMathStream& stream);

  /// Exact, number by number.
  friend bool operator==(const ZALTRVCircularSpan&, const ZALTRVCircularSpan&) = default;
};
