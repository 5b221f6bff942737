#pragma once
#include "ZALMPTestKinds.h"

#include <ZALIMPBodyLoader.h>
#include <ZALMPBody.h>

#include <ZALMathAxis.h>
#include <ZALMathLine.h>

#include <string>
#include <vector>

/// Records the calls it receives and answers `answer`; at a point p it
/// computes (p.x, 0, 0) as linear and (0, 0, 1) as angular vectors.
class RecordingBodyLoader : public ZALIMPBodyLoader {
public:
  RecordingBodyLoader(std::vector<std::string>& calls, HRESULT answer) : m_calls(calls), m_answer(answer) {}
  ZALMathTransformation lastTransformation;

  HRESULT OnActivate() override { return Record("OnActivate"); }
  HRESULT OnDeactivate() override { return Record("OnDeactivate"); }
  HRESULT ApplyTransformation(const ZALMathTransformation& relative) override
  {
    lastTransformation = relative;
    return Record("ApplyTransformation");
  }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return Record("SetVelocity"); }
  HRESULT ComputeVelocity(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point) override
  {
    Compute(linear, angular, point);
    return Record("ComputeVelocity");
  }
  HRESULT ComputeAcceleration(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point) override
  {
    Compute(linear, angular, point);
    return Record("ComputeAcceleration");
  }
  HRESULT Fix() override { return Record("Fix"); }
  HRESULT Unfix() override { return Record("Unfix"); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                         ZALMathVector& linearAcceleration, ZALMathVector& angularAcceleration,
                                         ZALMathPoint& point, unsigned char&, ZALMathLine&,
                                         ZALMPBody::PointWhereToComputeVelAndAcc, const ZALMathPoint*,
                                         RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    Compute(linearVelocity, angularVelocity, point);
    Compute(linearAcceleration, angularAcceleration, point);
    return Record("ComputeVelocityAndAcceleration");
  }

private:
  static void Compute(ZALMathVector& linear, ZALMathVector& angular, const ZALMathPoint& point)
  {
    linear = ZALMathVector(point.GetX(), 0.0, 0.0);
    angular = ZALMathVector(0.0, 0.0, 1.0);
  }
  HRESULT Record(const char* call)
  {
    m_calls.emplace_back(call);
    return m_answer;
  }

  std::vector<std::string>& m_calls;
  HRESULT m_answer;
};
