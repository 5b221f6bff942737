// The part every constraint shares: its links and joint, what a copy drops,
// and the answers of its loader.

#include "ZALMPConstraintTestLoader.h"
#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPConstraintParameter.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPOptionsOrientation.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>

#include <gtest/gtest.h>

namespace {

const char* const kSource = "ZALMPConstraint.m/src/ZALMPConstraint";

// The three lists are made by one definition and hold partners of different
// kinds (a list mixed up with another does not compile): one list stands for
// all. Removing the joint answers as the geometry's body link does
// (GeometryBodyLink).
TEST(ConstraintLinks, ListsAreLinkListsTheJointIsOptionalAndACopyHasNeither)
{
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  ExpectLinkListBehaviour(*constraint, &ZALMPConstraint::LinkToSensor, &ZALMPConstraint::RemoveSensor,
                          &ZALMPConstraint::GetLinkedSensorCount, &ZALMPConstraint::GetLinkedSensor,
                          [](const wchar_t* name) { return ZALMPDisplacementSensor::create(name); }, kSource);
  ReportCapture reports;
  const RVLSharedHandle<TestJoint> joint = TestJoint::create(L"j");
  RVLSharedHandle<ZALMPJoint> got = joint;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(got));
  EXPECT_FALSE(got) << "no joint empties the handle";
  EXPECT_EQ(0, reports.Count()) << "a missing joint is an answer, not reported";

  // A copy starts as a new constraint: no joint, no links, no parameters.
  constraint->SetJoint(joint);
  constraint->LinkToGeometry(ZALMPPoint::create(L"p"));
  constraint->LinkToVariable(ZALMPVariable::create(L"v"));
  constraint->AddConstraintParameter(new ZALMPConstraintParameter());
  const RVLSharedHandle<TestConstraint> copy = TestConstraint::clone(constraint);
  EXPECT_EQ(E_FAIL, copy->GetJoint(got));
  EXPECT_EQ(0, copy->GetLinkedGeometryCount() + copy->GetLinkedVariableCount() + copy->GetLinkedSensorCount());
  EXPECT_EQ(0, copy->GetConstraintParameterCount());
}

TEST(ConstraintLoader, AnswersComeFromAConstraintLoaderAndAreRefusedWithoutOne)
{
  ReportCapture reports;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  ZALMPOptionsOrientation options;
  double value = -1.0, second = -1.0, error = -1.0;
  std::vector<std::string> calls;
  // No loader, then a loader of another kind: the same refusals.
  for (const bool otherLoader : {false, true}) {
    if (otherLoader) constraint->SetLoader(new RecordingVariableLoader(calls, S_OK));
    EXPECT_FALSE(constraint->IsSatisfied()) << otherLoader;
    EXPECT_FALSE(constraint->IsSatisfied(error)) << otherLoader;
    EXPECT_EQ(E_FAIL, constraint->CurrentValue(value)) << otherLoader;
    EXPECT_EQ(E_FAIL, constraint->CurrentValue(0, value, second)) << otherLoader;
    EXPECT_EQ(E_FAIL, constraint->CurrentOptions(options)) << otherLoader;
  }

  // The loader's answers and values come back as they are (the errors judged,
  // and a host error raised while judging, are the world's test
  // WholeWorldOperationsVisitTheEntitiesTheyConcern).
  auto* const loader = new RecordingLoader<ZALIMPConstraintLoader>();
  constraint->SetLoader(loader);
  EXPECT_TRUE(constraint->IsSatisfied(error));
  EXPECT_EQ(S_FALSE, constraint->CurrentValue(3, value, second));
  EXPECT_EQ(std::make_pair(3.0, -3.0), std::make_pair(value, second));
  loader->answer = E_OUTOFMEMORY;
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentValue(value));
  EXPECT_EQ(E_OUTOFMEMORY, constraint->CurrentOptions(options));
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
