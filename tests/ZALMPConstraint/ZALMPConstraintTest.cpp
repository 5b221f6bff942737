#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALIMPConstraintLoader.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPOptionsOrientation.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kSource = "ZALMPConstraint.m/src/ZALMPConstraint";

/// Notes the calls it receives and answers `answer`, with outputs of its own.
class ScriptedLoader : public ZALIMPConstraintLoader {
public:
  explicit ScriptedLoader(std::vector<std::string>& calls) : m_calls(calls) {}
  HRESULT answer = S_OK;

  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  bool IsSatisfied(double& error) override
  {
    error = 0.25;
    return Note("IsSatisfied(error)") == S_OK;
  }
  bool IsSatisfied() override { return Note("IsSatisfied()") == S_OK; }
  HRESULT CurrentValue(int index, double& value, double& secondValue) override
  {
    value = 1.5;
    secondValue = -2.0;
    return Note("CurrentValue(" + std::to_string(index) + ")");
  }
  HRESULT CurrentValue(double& value) override
  {
    value = 7.0;
    return Note("CurrentValue");
  }
  HRESULT UpdateParameters() override { return Note("UpdateParameters"); }
  HRESULT CurrentOptions(ZALMPOptionsOrientation& options) override
  {
    options.reversed = true;
    options.secondAxis = 2;
    return Note("CurrentOptions");
  }

private:
  HRESULT Note(const std::string& call)
  {
    m_calls.push_back(call);
    return answer;
  }
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
    ExpectLinkListBehaviour(*constraint, &ZALMPConstraint::LinkToGeometry, &ZALMPConstraint::RemoveGeometry,
                            &ZALMPConstraint::GetLinkedGeometryCount, &ZALMPConstraint::GetLinkedGeometry,
                            [](const wchar_t* name) { return ZALMPPoint::create(name); }, kSource);
  }
  {
    SCOPED_TRACE("variables");
    ExpectLinkListBehaviour(*constraint, &ZALMPConstraint::LinkToVariable, &ZALMPConstraint::RemoveVariable,
                            &ZALMPConstraint::GetLinkedVariableCount, &ZALMPConstraint::GetLinkedVariable,
                            [](const wchar_t* name) { return ZALMPVariable::create(name); }, kSource);
  }
  {
    SCOPED_TRACE("sensors");
    ExpectLinkListBehaviour(*constraint, &ZALMPConstraint::LinkToSensor, &ZALMPConstraint::RemoveSensor,
                            &ZALMPConstraint::GetLinkedSensorCount, &ZALMPConstraint::GetLinkedSensor,
                            [](const wchar_t* name) { return ZALMPDisplacementSensor::create(name); }, kSource);
  }
  EXPECT_EQ(2, constraint->GetLinkedGeometryCount()) << "each list keeps its own entries";

  // The partner's side is the caller's to make.
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"v");
  constraint->LinkToVariable(variable);
  EXPECT_EQ(0, variable->GetLinkedConstraintCount());
}

// Removing a single link answers as the geometry's body link does (GeometryBodyLink).
TEST(ConstraintJoint, IsOptionalReplacedBySetJointAndClearedByAnEmptyHandle)
{
  ReportCapture reports;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  const RVLSharedHandle<TestJoint> joint = TestJoint::create(L"j");
  RVLSharedHandle<ZALMPJoint> got = joint;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  EXPECT_FALSE(got) << "no joint empties the handle";
  EXPECT_EQ(S_OK, constraint->SetJoint(TestJoint::create(L"other")));
  EXPECT_EQ(S_OK, constraint->SetJoint(joint)) << "replaces the joint";
  EXPECT_EQ(S_OK, constraint->GetJoint(got));
  EXPECT_TRUE(got == joint);
  EXPECT_EQ(S_OK, constraint->RemoveJoint(joint));
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  constraint->SetJoint(joint);
  EXPECT_EQ(S_OK, constraint->SetJoint(nullptr)) << "an empty handle clears the joint";
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  EXPECT_EQ(0, reports.Count()) << "a missing joint is an answer, not reported";
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

  // The loader's answers and outputs come back as they are (the world's tests
  // check the verdicts and a host error raised while judging).
  auto owned = std::make_unique<ScriptedLoader>(calls);
  ScriptedLoader* const scripted = owned.get();
  constraint->SetLoader(owned.release());
  ZALIMPConstraintLoader* loader = nullptr;
  EXPECT_EQ(S_OK, constraint->GetLoader(loader));
  EXPECT_EQ(scripted, loader);
  EXPECT_TRUE(constraint->IsSatisfied());
  EXPECT_TRUE(constraint->IsSatisfied(error));
  EXPECT_EQ(0.25, error);
  scripted->answer = S_FALSE;
  EXPECT_EQ(S_FALSE, constraint->CurrentValue(3, value, second));
  EXPECT_EQ(1.5, value);
  EXPECT_EQ(-2.0, second);
  scripted->answer = E_OUTOFMEMORY;
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentValue(value));
  EXPECT_EQ(7.0, value);
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentOptions(options));
  EXPECT_TRUE(options.reversed);
  EXPECT_EQ(2, options.secondAxis);
  const std::vector<std::string> expected = {"IsSatisfied()", "IsSatisfied(error)", "CurrentValue(3)", "CurrentValue",
                                             "CurrentOptions"};
  EXPECT_EQ(expected, calls) << "the constraint never asks for its parameters";
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
