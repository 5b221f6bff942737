#pragma once
#include <ZALMPDeserializer.h>
#include <ZALMPSerializer.h>
#include <ZALMPSourceLocation.h>

#include <ZALMath3x3Matrix.h>
#include <ZALMathTransformation.h>
#include <ZALStatus.h>

#include <string_view>

/// Placements and 3×3 matrices in the element tree. A placement is an element
/// holding "Translation" ("Vx", "Vy", "Vz") and "Rotation"; a matrix is an
/// element holding its columns as "M1x", "M1y", "M1z", "M2x" ... "M3z", each a
/// double. Bodies and displacement sensors write and read through these, and
/// failures are reported at the caller's location.
class ZALMPPlacementElements {
public:
  /// Adds `id` under `parent` holding the translation and the rotation of
  /// `placement`. E_FAIL (reported): `id` cannot be added. A number that cannot
  /// be written is reported and the rest is written.
  static HRESULT WritePlacement(ZALMPSerializer* parent, std::wstring_view id, const ZALMathTransformation& placement,
                                ZALMPSourceLocation where);
  /// Reads the next `id` child of `parent`. The placement starts as the
  /// identity; a missing "Translation" or "Rotation" (reported) keeps that
  /// part, a missing number (reported) reads as 0. E_FAIL (reported): no `id`;
  /// `placement` is unchanged.
  static HRESULT ReadPlacement(const ZALMPDeserializer* parent, std::wstring_view id, ZALMathTransformation& placement,
                               ZALMPSourceLocation where);

  /// Adds `id` under `parent` holding the columns of `matrix`. E_FAIL
  /// (reported): `id` cannot be added; a number that cannot be written is reported.
  static HRESULT WriteMatrix(ZALMPSerializer* parent, std::wstring_view id, const ZALMath3x3Matrix& matrix,
                             ZALMPSourceLocation where);
  /// Reads the next `id` child of `parent`; a missing number (reported) reads
  /// as 0. E_FAIL (reported): no `id`; `matrix` is unchanged.
  static HRESULT ReadMatrix(const ZALMPDeserializer* parent, std::wstring_view id, ZALMath3x3Matrix& matrix,
                            ZALMPSourceLocation where);
};
