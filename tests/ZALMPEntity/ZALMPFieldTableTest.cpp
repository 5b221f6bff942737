#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPBody2D.h>
#include <ZALMPBoolean.h>
#include <ZALMPClassTable.h>
#include <ZALMPCollisionRule.h>
#include <ZALMPFactory.h>
#include <ZALMPFieldTable.h>
#include <ZALMPGlobalDisplacementActuator.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPLinkTable.h>
#include <ZALMPRevolute.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> FieldNames(const ZALMPEntity& entity)
{
  std::vector<std::wstring> names;
  entity.GetFieldTable().ForEachField([&](const ZALMPField& field) { names.emplace_back(field.Name()); });
  return names;
}

const ZALMPField& Field(const ZALMPEntity& entity, std::wstring_view name)
{
  const ZALMPField* field = entity.GetFieldTable().Find(name);
  if (!field) throw std::runtime_error("no such field");
  return *field;
}

const ZALMPLink& LinkNamed(const ZALMPEntity& entity, std::wstring_view itemId)
{
  const ZALMPLink* found = nullptr;
  entity.GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
    if (link.ItemId() == itemId) found = &link;
  });
  if (!found) throw std::runtime_error("no such link");
  return *found;
}

// A value of `type` that no new entity holds.
ZALMPFieldValue Sample(const ZALMPField& field)
{
  switch (field.Type()) {
    case ZALMPFieldType::Number: return 2.5;
    case ZALMPFieldType::Integer: return std::int32_t{1};
    case ZALMPFieldType::Boolean: return true;
    case ZALMPFieldType::Text: return std::wstring(L"text");
    case ZALMPFieldType::Enumeration: return std::wstring(field.EnumerationNames().back());
    case ZALMPFieldType::Point:
    case ZALMPFieldType::Vector: return std::vector<double>{0.0, 0.6, -0.8};
    case ZALMPFieldType::Point2D:
    case ZALMPFieldType::Vector2D: return std::vector<double>{0.6, -0.8};
    case ZALMPFieldType::Matrix: return std::vector<double>{0, -1, 0, 1, 0, 0, 0, 0, 2};
    case ZALMPFieldType::Matrix2D: return std::vector<double>{0, -1, 1, 0};
    case ZALMPFieldType::Placement: return std::vector<double>{0, -1, 0, 5, 1, 0, 0, 6, 0, 0, 1, 7, 0, 0, 0, 1};
    case ZALMPFieldType::Placement2D: return std::vector<double>{0, -1, 5, 1, 0, 6, 0, 0, 1};
    case ZALMPFieldType::Axis: return std::vector<double>{1, 2, 3, 0, 1, 0, -1, 0, 0, 0, 0, 1};
    case ZALMPFieldType::Line:
    case ZALMPFieldType::Plane: return std::vector<double>{1, 2, 3, 0, 0.6, -0.8};
    case ZALMPFieldType::Line2D: return std::vector<double>{1, 2, 0.6, -0.8};
  }
  return {};
}

TEST(FieldTable, ReadsAndWritesThroughTheKindsOwnOperations)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"Spring");
  ASSERT_EQ(S_OK, Field(*spring, L"Behavior").Set(*spring, std::wstring(L"ExtensionLock")));
  ZALMPSpringBehavior::Enum behavior = ZALMPSpringBehavior::Bidirectional;
  spring->GetBehavior(behavior);
  EXPECT_EQ(ZALMPSpringBehavior::ExtensionLock, behavior);
  EXPECT_EQ((std::vector<std::wstring_view>{L"Bidirectional", L"ExtensionFree", L"CompressionFree", L"ExtensionLock",
                                            L"CompressionLock"}),
            Field(*spring, L"Behavior").EnumerationNames());

  // a value property: its number form, and its getter's failure while it holds nothing
  const ZALMPField& stiffness = Field(*spring, L"Stiffness");
  ZALMPFieldValue value = 9.0;
  EXPECT_EQ(E_FAIL, stiffness.Get(*spring, value));
  EXPECT_EQ(ZALMPFieldValue(0.0), value) << "a failed get gives the type's zero";
  EXPECT_GT(reports.Count(), 0) << "the spring's own getter reports";
  reports.Clear();
  ASSERT_EQ(S_OK, stiffness.Set(*spring, 1200.0));
  double number = 0;
  ASSERT_EQ(S_OK, spring->GetStiffness(number));
  EXPECT_EQ(1200.0, number);

  // a placement goes row by row: the rotation's columns are the matrix's columns
  RVLSharedHandle<ZALMPGlobalDisplacementActuator> actuator = ZALMPGlobalDisplacementActuator::create();
  ASSERT_EQ(S_OK, Field(*actuator, L"GlobalDisplacement").Set(*actuator, Sample(Field(*actuator, L"GlobalDisplacement"))));
  ZALMathTransformation placement;
  actuator->GetGlobalDisplacement(placement);
  EXPECT_EQ(ZALMathVector(-1, 0, 0), placement.GetMatrix().GetSecondColumn());
  EXPECT_EQ(ZALMathVector(5, 6, 7), placement.GetVector());
  ASSERT_EQ(S_OK, Field(*actuator, L"GlobalDisplacement").Get(*actuator, value));
  EXPECT_EQ(Sample(Field(*actuator, L"GlobalDisplacement")), value);
  EXPECT_EQ(0, reports.Count());
  ZALMPLinearSpring::destroy(spring);
}

TEST(FieldTable, RefusesAValueOfAnotherShapeAndChangesNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"Spring");
  const RVLSharedHandle<ZALMPGlobalDisplacementActuator> actuator = ZALMPGlobalDisplacementActuator::create();
  const RVLSharedHandle<ZALMPBoolean> flag = ZALMPBoolean::create();
  spring->SetFirstAttachment(ZALMathPoint(1, 2, 3));
  const struct {
    const ZALMPEntity& entity;
    std::wstring_view field;
    ZALMPFieldValue value;
  } refused[] = {
      {*spring, L"FirstAttachment", 1.0},
      {*spring, L"FirstAttachment", std::vector<double>{1, 2}},
      {*spring, L"Behavior", std::wstring(L"Sideways")},
      {*spring, L"Behavior", std::int32_t{3}},
      {*actuator, L"GlobalDisplacement", std::vector<double>(16, 1.0)},
      {*flag, L"Value", std::int32_t{300}},
  };
  for (const auto& [entity, name, wrong] : refused) {
    const ZALMPField& field = Field(entity, name);
    ZALMPFieldValue before;
    field.Get(entity, before);
    reports.Clear();
    EXPECT_EQ(E_FAIL, field.Set(const_cast<ZALMPEntity&>(entity), wrong)) << std::string(name.begin(), name.end());
    EXPECT_EQ(1, reports.Count()) << std::string(name.begin(), name.end());
    ZALMPFieldValue after;
    field.Get(entity, after);
    EXPECT_EQ(before, after) << std::string(name.begin(), name.end());
  }
}

TEST(FieldTable, ListsTheBasesFieldsFirstAndADerivedFieldHidesTheBases)
{
  const RVLSharedHandle<ZALMPBody2D> planar = ZALMPBody2D::create();
  EXPECT_EQ((std::vector<std::wstring>{L"OutOfWorld", L"Fixed", L"Mass", L"CenterOfGravity", L"InertiaMatrix",
                                       L"3DPosition", L"Position"}),
            FieldNames(*planar));
  EXPECT_EQ(ZALMPFieldType::Point2D, Field(*planar, L"CenterOfGravity").Type());
  EXPECT_EQ(7u, planar->GetFieldTable().Count());
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create();
  EXPECT_EQ(ZALMPFieldType::Point, Field(*body, L"CenterOfGravity").Type());

  const RVLSharedHandle<ZALMPCollisionRule> rule = ZALMPCollisionRule::create();
  EXPECT_EQ((std::vector<std::wstring>{L"RuleType", L"RestitutionCoefficient", L"DynamicFrictionCoefficient",
                                       L"StaticFrictionCoefficient", L"DampingCoefficient", L"DampingTransitionDepth"}),
            FieldNames(*rule));
  EXPECT_EQ(nullptr, rule->GetFieldTable().Find(L"Mass"));
}

// Links `entity` to a new partner, its fields given, through each single
// link whose partner kind the factory makes: some fields need them (a motor's
// targets take the quantity of the variable it drives).
void LinkSingles(ZALMPEntity& entity)
{
  entity.GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
    RVLSharedHandle<ZALMPEntity> partner;
    if (link.IsList() || FAILED(ZALMPFactory::Create(link.PartnerClass().getClassName(), partner))) return;
    partner->GetFieldTable().ForEachField([&](const ZALMPField& field) { field.Set(*partner, Sample(field)); });
    link.Link(entity, partner);
  });
}

// Every field of every kind the factory makes reads back what was written to it.
TEST(FieldTable, EveryKindsFieldsReadBackWhatWasWritten)
{
  int fields = 0;
  for (const ZALMPClassTable::Row& row : ZALMPClassTable::Rows()) {
    RVLSharedHandle<ZALMPEntity> entity;
    if (!row.factory || FAILED(ZALMPFactory::Create(std::string(row.className), entity))) continue;
    LinkSingles(*entity);
    entity->GetFieldTable().ForEachField([&](const ZALMPField& field) {
      const std::string where = std::string(row.className) + "." + std::string(field.Name().begin(), field.Name().end());
      ASSERT_TRUE(field.IsWritable()) << where;
      ASSERT_EQ(S_OK, field.Set(*entity, Sample(field))) << where;
      ZALMPFieldValue back;
      ASSERT_EQ(S_OK, field.Get(*entity, back)) << where;
      EXPECT_EQ(Sample(field), back) << where;
      ++fields;
    });
    ZALMPEntity::destroy(entity);
  }
  EXPECT_GT(fields, 80);
}

TEST(LinkTable, LinksAPartnerOfTheLinksKindOnly)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"Spring");
  RVLSharedHandle<ZALMPRevolute> hinge = ZALMPRevolute::create(L"Hinge");
  const RVLSharedHandle<ZALMPBody> crank = ZALMPBody::create(L"Crank");

  const ZALMPLink& firstBody = LinkNamed(*spring, L"FirstBody");
  EXPECT_STREQ("ZALMPBody", firstBody.PartnerClass().getClassName());
  EXPECT_EQ(E_FAIL, firstBody.Link(*spring, hinge));
  EXPECT_EQ(E_FAIL, firstBody.Link(*spring, RVLSharedHandle<ZALMPEntity>()));
  EXPECT_EQ(2, reports.Count());
  RVLSharedHandle<ZALMPBody> held;
  EXPECT_EQ(E_FAIL, spring->GetFirstBody(held)) << "nothing was linked";
  EXPECT_EQ(S_OK, firstBody.Link(*spring, crank));
  spring->GetFirstBody(held);
  EXPECT_EQ(crank, held);

  // a joint's bodies carry an orientation: a body linked by description faces out
  const ZALMPLink& bodies = LinkNamed(*hinge, L"Body");
  EXPECT_EQ(S_OK, bodies.Link(*hinge, crank));
  ZALMPBodyOrientation::Enum orientation = ZALMPBodyOrientation::In;
  ASSERT_EQ(S_OK, hinge->GetLinkedBody(0, held, orientation));
  EXPECT_EQ(crank, held);
  EXPECT_EQ(ZALMPBodyOrientation::Out, orientation);
  ZALMPLinearSpring::destroy(spring);
  ZALMPRevolute::destroy(hinge);
}

}  // namespace
