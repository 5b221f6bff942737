#include "ZALMPLinkListCheck.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPVariable.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

double ValueOf(const ZALMPVariable& variable)
{
  double value = -1.0;
  variable.GetValue(value);
  return value;
}

TEST(Variable, SettersMarkTheNumberAndTellTheLoaderUpdateValueDoesNeither)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  EXPECT_EQ(0.0, ValueOf(*variable));
  EXPECT_FALSE(variable->HasValue());
  EXPECT_EQ(S_OK, variable->UpdateValue(7.0));
  EXPECT_EQ(7.0, ValueOf(*variable));
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
  EXPECT_TRUE(variable->HasMinValue() && variable->HasMaxValue() && variable->HasRestitutionOnMaxLimit());
  EXPECT_FALSE(variable->HasRestitutionOnMinLimit());
  EXPECT_EQ((std::vector<std::string>{"value 2.5", "min -1", "max 4"}), calls);
  EXPECT_EQ(0, reports.Count());
}

TEST(Variable, UpdateValueAlsoNotifiesTheConstraintsOfAControlledVariable)
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  const RVLSharedHandle<TestConstraint> first = TestConstraint::create(L"c1");
  const RVLSharedHandle<TestConstraint> second = TestConstraint::create(L"c2");
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

TEST(Variable, ConstraintLinksAreOrderedUniqueAndDroppedOnDestroy)
{
  RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  std::vector<RVLSharedHandle<TestConstraint>> made;
  ExpectLinkListBehaviour<ZALMPVariable, ZALMPConstraint>(
      *variable, &ZALMPVariable::LinkToConstraint, &ZALMPVariable::RemoveConstraint,
      &ZALMPVariable::GetLinkedConstraintCount, &ZALMPVariable::GetLinkedConstraint,
      [&made](const wchar_t* name) { return made.emplace_back(TestConstraint::create(name)); },
      "ZALMPVariable.m/src/ZALMPVariable");
  const RVLSharedHandle<TestConstraint> a = made[0];  // still listed
  const RVLSharedHandle<TestConstraint> b = made[1];  // removed from the list

  // Destroying the variable asks each constraint it lists to drop it.
  a->LinkToVariable(variable);
  b->LinkToVariable(variable);  // b is no longer in the variable's list
  ZALMPVariable::destroy(variable);
  EXPECT_EQ(0, a->GetLinkedVariableCount());
  EXPECT_EQ(1, b->GetLinkedVariableCount());
}

// That a copy and its source are independent is the kind conformance test's.
TEST(Variable, CloneCopiesNumbersQuantityAndTypeButNotStartingValueOrLinks)
{
  const RVLSharedHandle<ZALMPVariable> source = ZALMPVariable::create(L"x");
  source->SetValue(1.5);
  source->SetRestitutionOnMinLimit(0.25);
  source->SetStartingValue(3.0);
  source->SetPhysicalQuantity(ZALMPPhysicalQuantity::Velocity);
  source->SetType(ZALMPVariableType::Controlled);
  source->LinkToConstraint(TestConstraint::create(L"c"));

  const RVLSharedHandle<ZALMPVariable> copy = ZALMPVariable::clone(source);
  ASSERT_TRUE(copy);
  EXPECT_EQ(1.5, ValueOf(*copy));
  EXPECT_TRUE(copy->HasValue() && copy->HasRestitutionOnMinLimit());
  EXPECT_FALSE(copy->HasMaxValue() || copy->HasStartingValue());
  EXPECT_EQ(ZALMPPhysicalQuantity::Velocity, copy->GetPhysicalQuantity());
  EXPECT_EQ(ZALMPVariableType::Controlled, copy->GetType());
  EXPECT_EQ(0, copy->GetLinkedConstraintCount());
}

}  // namespace
