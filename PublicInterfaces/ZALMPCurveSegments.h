#pragma once
#include "ZALMPCurveOrientation.h"
#include "ZALMPExport.h"
#include "ZALMPSourceLocation.h"

#include <ZALBaseUnknown_var.h>
#include <ZALStatus.h>

#include <memory>
#include <vector>

class ZALBaseUnknown;
class ZALCrvLimits;

/// The segments of a curve kind (the curve and the planar curve): three
/// parallel lists, one entry per segment, holding its modeller curve (one
/// reference each), its orientation and its parameter limits (a ZALCrvLimits,
/// handed about untyped).
///
/// Who frees the limits: those a caller adds stay the caller's unless
/// DeleteLimitsAtEnd(true) hands them to the lists; those the lists made
/// themselves (AddOwned: a read or copied curve) are always theirs. Each
/// limits object is freed once when the lists go, however many segments share it.
class ZALMP_EXPORT ZALMPCurveSegments {
public:
  ZALMPCurveSegments();
  /// The same modeller curves (one more reference on each: a modeller object
  /// does not change once made) in the same orientations, each with its own
  /// copy of the limits, which the copy owns. A copy never shares limits with
  /// its source, so neither depends on who frees the other's.
  ZALMPCurveSegments(const ZALMPCurveSegments& source);
  ZALMPCurveSegments& operator=(const ZALMPCurveSegments&) = delete;
  ~ZALMPCurveSegments();

  /// Appends a segment and takes a reference on `object`. S_OK. E_FAIL: null
  /// `object` or null `limits` (reported at `where`); nothing changes.
  HRESULT Add(ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation, void* limits,
              ZALMPSourceLocation where);
  /// Appends a segment whose limits the lists own from now on; takes a
  /// reference on `object`. Both must not be null.
  void AddOwned(ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation,
                std::unique_ptr<ZALCrvLimits> limits);
  /// S_OK and segment `index` (no new reference for the caller). E_FAIL
  /// outside [0, Count()): `object` and `limits` null, `orientation`
  /// Positive. Not reported: callers probe indices to find the end.
  HRESULT Get(int index, ZALBaseUnknown*& object, ZALMPCurveOrientation::Enum& orientation, void*& limits) const;
  int Count() const;
  /// Whether the limits that callers added are freed with the lists.
  void DeleteLimitsAtEnd(bool deleteLimits);

private:
  std::vector<ZALBaseUnknown_var> m_objects;
  std::vector<ZALMPCurveOrientation::Enum> m_orientations;
  std::vector<ZALCrvLimits*> m_limits;
  // The limits the lists made themselves, among those of m_limits.
  std::vector<std::unique_ptr<ZALCrvLimits>> m_ownLimits;
  bool m_deleteLimitsAtEnd = false;
};

/// The segment operations of a curve kind over its ZALMPCurveSegments member,
/// declared in the class and defined in its source file.
/// AddCurve: appends a segment and takes a reference on `object`. S_OK.
/// E_FAIL: null `object` or null `limits` (reported); nothing changes.
/// GetCurve: S_OK and segment `index` (no new reference for the caller).
/// E_FAIL outside [0, GetCurveCount()): `object` and `limits` null,
/// `orientation` Positive (not reported).
/// DeleteCurveLimitsAtEnd: whether the limits given to AddCurve are freed with
/// the curve; S_OK.
#define ZALMP_DECLARE_CURVE_SEGMENT_OPERATIONS()                                                          \
  virtual HRESULT AddCurve(ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation, void* limits); \
  virtual HRESULT GetCurve(int index, ZALBaseUnknown*& object, ZALMPCurveOrientation::Enum& orientation,   \
                           void*& limits) const;                                                           \
  virtual int GetCurveCount() const;                                                                       \
  virtual HRESULT DeleteCurveLimitsAtEnd(bool deleteLimits)

#define ZALMP_DEFINE_CURVE_SEGMENT_OPERATIONS(Class, segments)                                              \
  HRESULT Class::AddCurve(ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation, void* limits)   \
  {                                                                                                         \
    return segments.Add(object, orientation, limits, ZALMP_HERE);                                           \
  }                                                                                                         \
  HRESULT Class::GetCurve(int index, ZALBaseUnknown*& object, ZALMPCurveOrientation::Enum& orientation,     \
                          void*& limits) const                                                              \
  {                                                                                                         \
    return segments.Get(index, object, orientation, limits);                                                \
  }                                                                                                         \
  int Class::GetCurveCount() const                                                                          \
  {                                                                                                         \
    return segments.Count();                                                                                \
  }                                                                                                         \
  HRESULT Class::DeleteCurveLimitsAtEnd(bool deleteLimits)                                                  \
  {                                                                                                         \
    segments.DeleteLimitsAtEnd(deleteLimits);                                                               \
    return S_OK;                                                                                            \
  }
