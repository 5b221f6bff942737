#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPVariable.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Variable, SettersMarkTheNumberAndTellTheLoaderUpdateValueDoesNeither)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  double value = -1.0;
  EXPECT_EQ(S_OK, variable->UpdateValue(7.0));
  variable->GetValue(value);
  EXPECT_EQ(7.0, value);
  EXPECT_FALSE(variable->HasValue());
  EXPECT_EQ(S_OK, variable->SetValue(4.0)) << "without a loader";
  EXPECT_TRUE(variable->HasValue());

  std::vector<std::string> calls;
  variable->SetLoader(new RecordingVariableLoader(calls, S_FALSE));
  EXPECT_EQ(S_FALSE, variable->SetValue(2.5)) << "the loader's answer";
  EXPECT_EQ(S_FALSE, variable->SetMinValue(-1.0));
  EXPECT_EQ(S_FALSE, variable->SetMaxValue(4.0));
  variable->UpdateValue(7.0);
  variable->SetStartingValue(1.0);
  variable->SetRestitutionOnMaxLimit(0.3);
  EXPECT_EQ((std::vector<std::string>{"value 2.5", "min -1", "max 4"}), calls);
  EXPECT_EQ(0, reports.Count());
}

TEST(Variable, UpdateValueAlsoNotifiesTheConstraintsOfAControlledVariable)
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  const RVLSharedHandle<TestConstraint> first = TestConstraint::create(L"c1"), second = TestConstraint::create(L"c2");
  variable->LinkToConstraint(first);
  variable->LinkToConstraint(second);
  UpdateCounter onVariable(*variable), onFirst(*first), onSecond(*second);

  // Free, Constant, then Controlled: only the last reaches the constraints.
  for (int type = 0; type <= ZALMPVariableType::Controlled; ++type) {
    variable->SetType(static_cast<ZALMPVariableType::Enum>(type));
    variable->UpdateValue(1.0);
    const int constraintNotices = type == ZALMPVariableType::Controlled ? 1 : 0;
    EXPECT_EQ(type + 1, onVariable.count) << type;
    EXPECT_EQ(constraintNotices, onFirst.count) << type;
    EXPECT_EQ(constraintNotices, onSecond.count) << type;
  }
}

// The list itself answers as every link list does (ConstraintLinks: one
// definition makes them all).
TEST(Variable, DestroyingItAsksOnlyTheConstraintsItListsToDropIt)
{
  RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  const RVLSharedHandle<TestConstraint> listed = TestConstraint::create(L"a"), unlisted = TestConstraint::create(L"b");
  variable->LinkToConstraint(listed);
  listed->LinkToVariable(variable);
  unlisted->LinkToVariable(variable);
  ZALMPVariable::destroy(variable);
  EXPECT_EQ(0, listed->GetLinkedVariableCount());
  EXPECT_EQ(1, unlisted->GetLinkedVariableCount());
}

// That a copy and its source are independent is the kind conformance test's.
TEST(Variable, CloneCopiesNumbersQuantityAndTypeButNotStartingValueOrLinks)
{
  const RVLSharedHandle<ZALMPVariable> source = ZALMPVariable::create(L"x");
  source->SetRestitutionOnMinLimit(0.25);
  source->SetStartingValue(3.0);
  source->SetPhysicalQuantity(ZALMPPhysicalQuantity::Velocity);
  source->SetType(ZALMPVariableType::Controlled);
  source->LinkToConstraint(TestConstraint::create(L"c"));

  const RVLSharedHandle<ZALMPVariable> copy = ZALMPVariable::clone(source);
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->HasRestitutionOnMinLimit());
  EXPECT_FALSE(copy->HasValue() || copy->HasStartingValue());
  EXPECT_EQ(ZALMPPhysicalQuantity::Velocity, copy->GetPhysicalQuantity());
  EXPECT_EQ(ZALMPVariableType::Controlled, copy->GetType());
  EXPECT_EQ(0, copy->GetLinkedConstraintCount());
}

}  // namespace
