#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALIMPConstraintLoader.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPOptionsOrientation.h>
#include <ZALMPVariable.h>

#include <gtest/gtest.h>

namespace {

const char* const kSource = "ZALMPConstraint.m/src/ZALMPConstraint";

/// Is satisfied and answers `answer`; the values it gives are the index asked for and its opposite.
class ScriptedLoader : public ZALIMPConstraintLoader {
public:
  HRESULT answer = S_OK;

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
};

class OtherLoader : public ZALIMPEntityLoader {
public:
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
};

// The three lists are made by one definition and hold partners of different
// kinds (a list mixed up with another does not compile): one list stands for all.
TEST(ConstraintLinks, ListsAreOrderedUniqueAndLinkedOnOneSide)
{
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  ExpectLinkListBehaviour(*constraint, &ZALMPConstraint::LinkToSensor, &ZALMPConstraint::RemoveSensor,
                          &ZALMPConstraint::GetLinkedSensorCount, &ZALMPConstraint::GetLinkedSensor,
                          [](const wchar_t* name) { return ZALMPDisplacementSensor::create(name); }, kSource);
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"v");
  constraint->LinkToVariable(variable);
  EXPECT_EQ(0, variable->GetLinkedConstraintCount()) << "the partner's side is the caller's to make";
}

// Removing a single link answers as the geometry's body link does (GeometryBodyLink).
TEST(ConstraintJoint, IsOptionalAndClearedByRemovingItOrByAnEmptyHandle)
{
  ReportCapture reports;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  const RVLSharedHandle<TestJoint> joint = TestJoint::create(L"j");
  RVLSharedHandle<ZALMPJoint> got = joint;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  EXPECT_FALSE(got) << "no joint empties the handle";
  EXPECT_EQ(S_OK, constraint->SetJoint(joint));
  EXPECT_EQ(S_OK, constraint->RemoveJoint(joint)) << "the joint held";
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

  // No loader, then a loader of another kind: the same refusals.
  ScriptedLoader stranger;
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

  // The loader's answers and values come back as they are (the errors judged,
  // and a host error raised while judging, are the world's test
  // WholeWorldOperationsVisitTheEntitiesTheyConcern).
  ScriptedLoader* const scripted = new ScriptedLoader();
  constraint->SetLoader(scripted);
  EXPECT_TRUE(constraint->IsSatisfied(error));
  scripted->answer = S_FALSE;
  EXPECT_EQ(S_FALSE, constraint->CurrentValue(3, value, second));
  EXPECT_EQ(3.0, value);
  EXPECT_EQ(-3.0, second);
  scripted->answer = E_OUTOFMEMORY;
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentValue(value));
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentOptions(options));
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
