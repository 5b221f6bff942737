#pragma once
#include "ZALIMPBodyLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMathPoint2D;
class ZALMathTransformation2D;
class ZALMathVector2D;

/// Host hooks of a planar body. It carries the body loader's part too: the
/// planar body calls that part's Unfix right after every ApplyTransformation.
/// A planar body reaches it through its entity loader slot
/// (ZALMPBody2D::GetLoader).
class ZALMP_EXPORT ZALIMPBody2DLoader : public ZALIMPBodyLoader {
public:
  using ZALIMPBodyLoader::ApplyTransformation;
  using ZALIMPBodyLoader::ComputeAcceleration;
  using ZALIMPBodyLoader::ComputeVelocity;
  using ZALIMPBodyLoader::ComputeVelocityAndAcceleration;
  using ZALIMPBodyLoader::SetVelocity;

  /// The planar body moved by `relative` (new placement × inverse of the old one).
  virtual HRESULT ApplyTransformation(const ZALMathTransformation2D& relative) = 0;
  /// The planar body was given these velocities.
  virtual HRESULT SetVelocity(const ZALMathVector2D& linear, const double& angular) = 0;
  /// Writes the planar body's velocities at `point` into `linear` and `angular`.
  virtual HRESULT ComputeVelocity(ZALMathVector2D& linear, double& angular, ZALMathPoint2D& point) = 0;
  /// Writes the planar body's accelerations at `point` into `linear` and `angular`.
  virtual HRESULT ComputeAcceleration(ZALMathVector2D& linear, double& angular, ZALMathPoint2D& point) = 0;
  /// Writes velocities and accelerations at `point`; where the motion is a
  /// rotation it may give its instantaneous centre in `rotationCentre`, and say
  /// so in `flag`.
  virtual HRESULT ComputeVelocityAndAcceleration(ZALMathVector2D& linearVelocity, double& angularVelocity,
                                                 ZALMathVector2D& linearAcceleration, double& angularAcceleration,
                                                 ZALMathPoint2D& point, unsigned char& flag,
                                                 ZALMathPoint2D& rotationCentre) = 0;
  /// The planar body was fixed in the plane / released in the plane.
  virtual HRESULT Fix2D() = 0;
  virtual HRESULT Unfix2D() = 0;
  /// The planar body was fixed in space / released in space.
  virtual HRESULT Fix3D() = 0;
  virtual HRESULT Unfix3D() = 0;
  /// The host is to compute velocities and accelerations for kinematics.
  virtual HRESULT ActivateVelocityAndAccelerationComputationForKIN() = 0;
};
