#pragma once
// A loader for the constraint tests, shared by every kind's loader interface.

#include <ZALIMPConstraintLoader.h>
#include <ZALMPAlignment.h>
#include <ZALMPHalfSpace.h>
#include <ZALMPSurfaceOrientation.h>

#include <string>
#include <vector>

/// Any constraint loader: is satisfied (but for the plain question), answers
/// `answer`, gives the index asked for and its opposite as values, fills the
/// solver parameters with 0.25 and -4, and records the option call-backs it
/// hears as "<call-back> <number>".
template <class Loader>
class RecordingLoader : public Loader {
public:
  std::vector<std::string>* heard = nullptr;
  HRESULT answer = S_FALSE;

  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT UpdateParameters() override { return E_NOTIMPL; }
  bool IsSatisfied(double&) override { return true; }
  bool IsSatisfied() override { return false; }
  HRESULT CurrentValue(int index, double& value, double& secondValue) override
  {
    value = index;
    secondValue = -index;
    return answer;
  }
  HRESULT CurrentValue(double&) override { return answer; }
  HRESULT CurrentOptions(ZALMPOptionsOrientation&) override { return answer; }

  HRESULT SetAlignment(ZALMPAlignment::Enum a) { return Hear("SetAlignment", a); }
  HRESULT SetHalfSpace(ZALMPHalfSpace::Enum h) { return Hear("SetHalfSpace", h); }
  HRESULT SetSurfaceOrientation(ZALMPSurfaceOrientation::Enum o) { return Hear("SetSurfaceOrientation", o); }
  HRESULT GetSolverConstraintParameters(double* parameters)
  {
    parameters[0] = 0.25;
    parameters[1] = -4.0;
    return answer;
  }

private:
  HRESULT Hear(const std::string& callback, int number)
  {
    if (heard) heard->push_back(callback + " " + std::to_string(number));
    return answer;
  }
};
