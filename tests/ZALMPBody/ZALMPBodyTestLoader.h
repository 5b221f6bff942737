#pragma once
// A loader for the body tests, in space and in the plane.

#include <ZALIMPBody2DLoader.h>
#include <ZALMPBody2D.h>

#include <string>
#include <vector>

/// Any body loader: records the calls it receives (a planar one with "2D" after
/// its name) and answers S_FALSE. At a point p it computes (p.x, 0, 0) as the
/// linear velocity and acceleration in space, and in the plane it gives the
/// centre of rotation (4, 5) with flag 1.
class RecordingBodyLoader : public ZALIMPBody2DLoader {
public:
  std::vector<std::string> calls;
  ZALMathTransformation lastTransformation;
  ZALMathTransformation2D lastMove;

  HRESULT OnActivate() override { return Record("OnActivate"); }
  HRESULT OnDeactivate() override { return Record("OnDeactivate"); }
  HRESULT ApplyTransformation(const ZALMathTransformation& relative) override
  {
    lastTransformation = relative;
    return Record("ApplyTransformation");
  }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return Record("SetVelocity"); }
  HRESULT ComputeVelocity(ZALMathVector& linear, ZALMathVector&, ZALMathPoint& point) override
  {
    linear = ZALMathVector(point.GetX(), 0.0, 0.0);
    return Record("ComputeVelocity");
  }
  HRESULT ComputeAcceleration(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return Record("Acceleration"); }
  HRESULT Fix() override { return Record("Fix"); }
  HRESULT Unfix() override { return Record("Unfix"); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector&, ZALMathVector&, ZALMathVector& linearAcceleration,
                                         ZALMathVector&, ZALMathPoint& point, unsigned char&, ZALMathLine&,
                                         ZALMPBody::PointWhereToComputeVelAndAcc, const ZALMathPoint*,
                                         RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    linearAcceleration = ZALMathVector(point.GetX(), 0.0, 0.0);
    return Record("ComputeVelocityAndAcceleration");
  }

  HRESULT ApplyTransformation(const ZALMathTransformation2D& relative) override
  {
    lastMove = relative;
    return Record("ApplyTransformation2D");
  }
  HRESULT SetVelocity(const ZALMathVector2D&, const double&) override { return Record("SetVelocity2D"); }
  HRESULT ComputeVelocity(ZALMathVector2D&, double&, ZALMathPoint2D&) override { return Record("ComputeVelocity2D"); }
  HRESULT ComputeAcceleration(ZALMathVector2D&, double&, ZALMathPoint2D&) override { return Record("Acceleration2D"); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector2D&, double&, ZALMathVector2D&, double&, ZALMathPoint2D&,
                                         unsigned char& flag, ZALMathPoint2D& centre) override
  {
    flag = 1;
    centre = ZALMathPoint2D(4, 5);
    return Record("ComputeVelocityAndAcceleration2D");
  }
  HRESULT Fix2D() override { return Record("Fix2D"); }
  HRESULT Unfix2D() override { return Record("Unfix2D"); }
  HRESULT Fix3D() override { return Record("Fix3D"); }
  HRESULT Unfix3D() override { return Record("Unfix3D"); }
  HRESULT ActivateVelocityAndAccelerationComputationForKIN() override { return Record("ActivateForKIN2D"); }

private:
  HRESULT Record(const char* call)
  {
    calls.emplace_back(call);
    return S_FALSE;
  }
};
