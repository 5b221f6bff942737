#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALIMPConstraintLoader.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPOptionsOrientation.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>

#include <ZALError.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kSource = "ZALMPConstraint.m/src/ZALMPConstraint";

/// Records the calls it receives and answers as the test sets it.
class ScriptedLoader : public ZALIMPConstraintLoader {
public:
  explicit ScriptedLoader(std::vector<std::string>& calls) : m_calls(calls) {}
  bool satisfied = true;
  bool raise = false;
  HRESULT answer = S_OK;

  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  bool IsSatisfied(double& error) override
  {
    m_calls.push_back("IsSatisfied(error)");
    error = 0.25;
    return satisfied;
  }
  bool IsSatisfied() override
  {
    m_calls.push_back("IsSatisfied()");
    if (raise) throw ZALError("the host could not tell");
    return satisfied;
  }
  HRESULT CurrentValue(int index, double& value, double& secondValue) override
  {
    m_calls.push_back("CurrentValue(" + std::to_string(index) + ")");
    value = 1.5;
    secondValue = -2.0;
    return answer;
  }
  HRESULT CurrentValue(double& value) override
  {
    m_calls.push_back("CurrentValue");
    value = 7.0;
    return answer;
  }
  HRESULT UpdateParameters() override
  {
    m_calls.push_back("UpdateParameters");
    return S_OK;
  }
  HRESULT CurrentOptions(ZALMPOptionsOrientation& options) override
  {
    m_calls.push_back("CurrentOptions");
    options.reversed = true;
    options.secondAxis = 2;
    return answer;
  }

private:
  std::vector<std::string>& m_calls;
};

class OtherLoader : public ZALIMPEntityLoader {
public:
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
};

TEST(ConstraintLinks, GeometriesVariablesAndSensorsAreOrderedUniqueListsLinkedOnOneSide)
{
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  {
    SCOPED_TRACE("geometries");
    ExpectLinkListBehaviour<ZALMPConstraint, ZALMPGeometry>(*constraint, &ZALMPConstraint::LinkToGeometry, &ZALMPConstraint::RemoveGeometry,
                                       &ZALMPConstraint::GetLinkedGeometryCount, &ZALMPConstraint::GetLinkedGeometry,
                                       [](const wchar_t* name) { return ZALMPPoint::create(name); }, kSource);
  }
  {
    SCOPED_TRACE("variables");
    ExpectLinkListBehaviour<ZALMPConstraint, ZALMPVariable>(*constraint, &ZALMPConstraint::LinkToVariable, &ZALMPConstraint::RemoveVariable,
                                       &ZALMPConstraint::GetLinkedVariableCount, &ZALMPConstraint::GetLinkedVariable,
                                       [](const wchar_t* name) { return ZALMPVariable::create(name); }, kSource);
  }
  {
    SCOPED_TRACE("sensors");
    ExpectLinkListBehaviour<ZALMPConstraint, ZALMPSensor>(*constraint, &ZALMPConstraint::LinkToSensor, &ZALMPConstraint::RemoveSensor,
                                     &ZALMPConstraint::GetLinkedSensorCount, &ZALMPConstraint::GetLinkedSensor,
                                     [](const wchar_t* name) { return ZALMPDisplacementSensor::create(name); }, kSource);
  }
  EXPECT_EQ(2, constraint->GetLinkedGeometryCount()) << "each list keeps its own entries";

  // The partner's side is the caller's to make.
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"v");
  constraint->LinkToVariable(variable);
  EXPECT_EQ(0, variable->GetLinkedConstraintCount());
}

TEST(ConstraintJoint, IsOptionalReplacedBySetJointAndRemovedOnlyWhenItIsTheOne)
{
  ReportCapture reports;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  const RVLSharedHandle<TestJoint> joint = TestJoint::create(L"j");
  const RVLSharedHandle<TestJoint> other = TestJoint::create(L"other");

  RVLSharedHandle<ZALMPJoint> got = other;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  EXPECT_FALSE(got) << "no joint empties the handle";
  EXPECT_EQ(0, reports.Count()) << "a missing joint is an answer, not reported";

  EXPECT_EQ(S_OK, constraint->SetJoint(other));
  EXPECT_EQ(S_OK, constraint->SetJoint(joint)) << "replaces the joint";
  EXPECT_EQ(S_FALSE, constraint->RemoveJoint(other));
  EXPECT_EQ(S_OK, constraint->GetJoint(got));
  EXPECT_TRUE(got == joint);
  EXPECT_EQ(S_OK, constraint->RemoveJoint(joint));
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  EXPECT_EQ(S_FALSE, constraint->RemoveJoint(joint));
  EXPECT_EQ(0, reports.Count());

  EXPECT_EQ(E_FAIL, constraint->RemoveJoint(nullptr));
  EXPECT_EQ((std::vector<std::string>{kSource}), reports.Files());
  constraint->SetJoint(joint);
  EXPECT_EQ(S_OK, constraint->SetJoint(nullptr)) << "an empty handle clears the joint";
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
}

TEST(ConstraintLoader, AnswersComeFromAConstraintLoaderAndAreRefusedWithoutOne)
{
  ReportCapture reports;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  ZALMPOptionsOrientation options;
  double value = -1.0, second = -1.0, error = -1.0;

  // No loader, then a loader that is not a constraint loader: the same refusals.
  std::vector<std::string> calls;
  ScriptedLoader stranger(calls);
  for (const bool otherLoader : {false, true}) {
    if (otherLoader) constraint->SetLoader(new OtherLoader());
    ZALIMPConstraintLoader* loader = &stranger;
    EXPECT_EQ(S_OK, constraint->GetLoader(loader));
    EXPECT_EQ(nullptr, loader) << otherLoader;
    EXPECT_FALSE(constraint->IsSatisfied()) << otherLoader;
    EXPECT_FALSE(constraint->IsSatisfied(error)) << otherLoader;
    EXPECT_EQ(E_FAIL, constraint->CurrentValue(value)) << otherLoader;
    EXPECT_EQ(E_FAIL, constraint->CurrentValue(0, value, second)) << otherLoader;
    EXPECT_EQ(E_FAIL, constraint->CurrentOptions(options)) << otherLoader;
  }
  EXPECT_EQ(-1.0, value);
  EXPECT_EQ(-1.0, error);
  EXPECT_EQ(0, reports.Count());

  // The loader's answers and outputs come back as they are.
  auto owned = std::make_unique<ScriptedLoader>(calls);
  ScriptedLoader* const scripted = owned.get();
  constraint->SetLoader(owned.release());
  ZALIMPConstraintLoader* loader = nullptr;
  EXPECT_EQ(S_OK, constraint->GetLoader(loader));
  EXPECT_EQ(scripted, loader);
  EXPECT_TRUE(constraint->IsSatisfied());
  EXPECT_TRUE(constraint->IsSatisfied(error));
  EXPECT_EQ(0.25, error);
  scripted->satisfied = false;
  EXPECT_FALSE(constraint->IsSatisfied());
  EXPECT_FALSE(constraint->IsSatisfied(error));
  scripted->satisfied = true;
  scripted->raise = true;
  EXPECT_FALSE(constraint->IsSatisfied()) << "an error raised by the host is trapped";
  scripted->answer = S_FALSE;
  EXPECT_EQ(S_FALSE, constraint->CurrentValue(3, value, second));
  EXPECT_EQ(1.5, value);
  EXPECT_EQ(-2.0, second);
  scripted->answer = E_OUTOFMEMORY;
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentValue(value));
  EXPECT_EQ(7.0, value);
  scripted->answer = S_OK;
  EXPECT_EQ(S_OK, constraint->CurrentOptions(options));
  EXPECT_TRUE(options.reversed);
  EXPECT_EQ(2, options.secondAxis);
  const std::vector<std::string> expected = {"IsSatisfied()",      "IsSatisfied(error)", "IsSatisfied()",
                                             "IsSatisfied(error)", "IsSatisfied()",      "CurrentValue(3)",
                                             "CurrentValue",       "CurrentOptions"};
  EXPECT_EQ(expected, calls) << "the constraint never asks for its parameters";
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
