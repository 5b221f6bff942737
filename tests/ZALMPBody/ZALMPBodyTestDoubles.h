#pragma once
#include <ZALIMPBodyLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPJoint.h>
#include <ZALMPShape.h>

#include <ZALMathAxis.h>
#include <ZALMathLine.h>

#include <string>
#include <vector>

/// What every partner of a body does when the body asks it to drop it.
HRESULT DropBody(RVLSharedHandle<ZALMPBody>& held, const RVLSharedHandle<ZALMPBody>& body);

/// A joint, a shape and a connector that each hold one body.
class TestJoint : public ZALMPJoint {
  ZALMP_DECLARE_CLASS(TestJoint, ZALMPJoint);
  ZALMP_DECLARE_CONCRETE(TestJoint);

public:
  RVLSharedHandle<ZALMPBody> body;
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& removed) override { return DropBody(body, removed); }
  HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>&) override { return S_FALSE; }
};

class TestShape : public ZALMPShape {
  ZALMP_DECLARE_CLASS(TestShape, ZALMPShape);
  ZALMP_DECLARE_CONCRETE(TestShape);

public:
  RVLSharedHandle<ZALMPBody> body;
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& removed) override { return DropBody(body, removed); }
};

class TestConnector : public ZALMPConnector {
  ZALMP_DECLARE_CLASS(TestConnector, ZALMPConnector);
  ZALMP_DECLARE_CONCRETE(TestConnector);

public:
  RVLSharedHandle<ZALMPBody> body;
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& removed) override { return DropBody(body, removed); }
};

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
