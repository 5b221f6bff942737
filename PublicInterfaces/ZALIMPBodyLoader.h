#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPBody.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMathAxis;
class ZALMathLine;
class ZALMathPoint;
class ZALMathTransformation;
class ZALMathVector;

/// Host hooks of a body: the host hears of placements, velocities and fix
/// changes, and computes velocities and accelerations at a point. A body
/// reaches it through its entity loader slot (ZALMPBody::GetLoader).
class ZALMP_EXPORT ZALIMPBodyLoader : public ZALIMPEntityLoader {
public:
  /// The body moved by `relative` (new placement × inverse of the old one).
  virtual HRESULT ApplyTransformation(const ZALMathTransformation& relative) = 0;
  /// The body was given these velocities.
  virtual HRESULT SetVelocity(const ZALMathVector& linear, const ZALMathVector& angular) = 0;
  /// Writes the body's velocities at `point` into `linear` and `angular`.
  virtual HRESULT ComputeVelocity(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point) = 0;
  /// Writes the body's accelerations at `point` into `linear` and `angular`.
  virtual HRESULT ComputeAcceleration(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point) = 0;
  /// The body was fixed.
  virtual HRESULT Fix() = 0;
  /// The body was released, or moved by the library.
  virtual HRESULT Unfix() = 0;
  /// Writes velocities and accelerations at the point chosen by `where`, relative
  /// to the given reference point, body or axis (each may be absent).
  virtual HRESULT ComputeVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                                 ZALMathVector& linearAcceleration,
                                                 ZALMathVector& angularAcceleration, ZALMathPoint& point,
                                                 unsigned char& flag, ZALMathLine& line,
                                                 ZALMPBody::PointWhereToComputeVelAndAcc where,
                                                 const ZALMathPoint* referencePoint,
                                                 RVLSharedHandle<ZALMPBody> referenceBody,
                                                 const ZALMathAxis* referenceAxis) = 0;
};
