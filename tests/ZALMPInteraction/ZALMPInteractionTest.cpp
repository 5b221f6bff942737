#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPBody.h>
#include <ZALMPCollisionInterLayer.h>
#include <ZALMPCollisionLayer.h>
#include <ZALMPCollisionRule.h>
#include <ZALMPConstant.h>
#include <ZALMPXml.h>

#include <RVLEInvalidCast.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A body whose identifier is its name, so that documents can name it.
RVLSharedHandle<ZALMPBody> Body(const wchar_t* name)
{
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(name);
  body->SetIdentifier(name);
  return body;
}

TEST(Interaction, CollidablesAreAnOrderedListOfDistinctEntitiesThatOrphaningLeavesAlone)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPCollisionLayer> layer = ZALMPCollisionLayer::create(L"layer");
  const RVLSharedHandle<ZALMPBody> a = Body(L"a"), b = Body(L"b"), c = Body(L"c");
  EXPECT_EQ(S_OK, layer->AddCollidable(a));
  EXPECT_EQ(S_FALSE, layer->AddCollidable(a));
  layer->AddCollidable(b);
  layer->AddCollidable(c);
  EXPECT_EQ(3, layer->GetCollidableCount());
  EXPECT_EQ(E_FAIL, layer->AddCollidable(nullptr));
  EXPECT_EQ(E_FAIL, layer->RemoveCollidable(nullptr));
  EXPECT_EQ(2, reports.Count());

  // removal keeps the order of the rest; positions past the end are refused
  EXPECT_EQ(S_OK, layer->RemoveCollidable(b));
  EXPECT_EQ(S_FALSE, layer->RemoveCollidable(b));
  RVLSharedHandle<ZALMPEntity> got = a;
  EXPECT_EQ(E_FAIL, layer->GetCollidable(2, got));
  EXPECT_FALSE(got);
  EXPECT_EQ(E_FAIL, layer->SetCollidable(2, b));
  EXPECT_EQ(E_FAIL, layer->SetCollidable(-1, b));
  ASSERT_EQ(S_OK, layer->GetCollidable(1, got));
  EXPECT_TRUE(got == c);

  // orphaned, the layer keeps its members until it goes itself
  const RVLSharedHandle<ZALMPCollisionLayer> kept = layer;
  ZALMPCollisionLayer::destroy(layer);
  EXPECT_EQ(2, kept->GetCollidableCount());
  EXPECT_EQ(2, reports.Count());
}

TEST(CollisionRule, BodiesFillTheFreePositionsInTurnAndReplaceThemOnceThere)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCollisionRule> rule = ZALMPCollisionRule::create(L"rule");
  const RVLSharedHandle<ZALMPBody> a = Body(L"a"), b = Body(L"b"), c = Body(L"c");
  RVLSharedHandle<ZALMPBody> got = a;
  EXPECT_EQ(E_FAIL, rule->GetFirstBody(got));
  EXPECT_FALSE(got);
  EXPECT_EQ(E_FAIL, rule->SetFirstBody(nullptr));
  EXPECT_EQ(E_FAIL, rule->SetSecondBody(nullptr));
  EXPECT_EQ(3, reports.Count());

  // without collidables the second body takes position 0: it is the first
  EXPECT_EQ(S_OK, rule->SetSecondBody(a));
  EXPECT_EQ(S_OK, rule->GetFirstBody(got));
  EXPECT_TRUE(got == a);
  EXPECT_EQ(E_FAIL, rule->GetSecondBody(got));
  EXPECT_FALSE(got);
  EXPECT_EQ(S_FALSE, rule->SetSecondBody(a)) << "already a collidable";
  EXPECT_EQ(S_OK, rule->SetSecondBody(b));

  // once both positions are held, each setter replaces its own
  EXPECT_EQ(S_OK, rule->SetFirstBody(c));
  EXPECT_EQ(S_OK, rule->SetSecondBody(a));
  EXPECT_EQ(2, rule->GetCollidableCount());
  rule->GetFirstBody(got);
  EXPECT_TRUE(got == c);
  rule->GetSecondBody(got);
  EXPECT_TRUE(got == a);

  // a collidable that is not a body cannot be had as one
  rule->SetCollidable(0, ZALMPConstant::create(L"not a body"));
  EXPECT_THROW(rule->GetFirstBody(got), RVLEInvalidCast);
  EXPECT_EQ(S_OK, rule->RemoveBody(a));
  EXPECT_EQ(E_FAIL, rule->GetSecondBody(got));
}

TEST(CollisionInterLayer, GetEntitiesAppendsEveryMemberOfTheChosenLayer)
{
  const RVLSharedHandle<ZALMPCollisionLayer> ground = ZALMPCollisionLayer::create(L"ground");
  const RVLSharedHandle<ZALMPCollisionLayer> parts = ZALMPCollisionLayer::create(L"parts");
  const RVLSharedHandle<ZALMPBody> a = Body(L"a"), b = Body(L"b"), c = Body(L"c");
  ground->AddCollidable(a);
  parts->AddCollidable(b);
  parts->AddCollidable(c);
  const RVLSharedHandle<ZALMPCollisionInterLayer> between = ZALMPCollisionInterLayer::create(L"between");
  between->AddCollidable(ground);
  between->AddCollidable(parts);

  RVLSharedVector<ZALMPEntity> entities{a};
  EXPECT_EQ(S_OK, between->GetEntities(1, entities));
  EXPECT_EQ(E_FAIL, between->GetEntities(2, entities));
  ASSERT_EQ(3u, entities.size());
  EXPECT_TRUE(entities[0] == a && entities[1] == b && entities[2] == c);
}

TEST(CollisionRule, ReadsBackItsRuleTypeAndTransitionByWhatTheDocumentHolds)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCollisionRule> rule = ZALMPCollisionRule::create(L"rule");
  const RVLSharedHandle<ZALMPBody> a = Body(L"a"), b = Body(L"b");
  rule->SetFirstBody(a);
  rule->SetSecondBody(b);
  rule->SetRuleType(static_cast<ZALMPCollisionRuleType::Enum>(7));
  rule->EnableDampingTransition(5);
  rule->SetFrictionParameters(0.3, 0.01);
  const std::string text = WrittenXml(*rule);
  EXPECT_NE(std::string::npos, text.find("<RuleType>DefaultCollision</RuleType>")) << text;
  EXPECT_NE(std::string::npos, text.find("<EnableDampingTransition>1</EnableDampingTransition>")) << text;

  const RVLSharedHandle<ZALMPCollisionRule> back = ZALMPCollisionRule::create();
  back->SetRuleType(ZALMPCollisionRuleType::NoCollisionNoReaction);
  ASSERT_EQ(S_OK, back->Deserialize(ReadXml(text).get(), IdsOf({a, b})));
  EXPECT_EQ(0, reports.Count());
  ZALMPCollisionRuleType::Enum type{};
  back->GetRuleType(type);
  EXPECT_EQ(ZALMPCollisionRuleType::DefaultCollision, type);
  EXPECT_TRUE(back->IsDampingTransitionEnabled());

  // only 1 turns the transition on; an absent value is reported and keeps its field
  const std::string edited = Replaced(Replaced(text, ">1</EnableDampingTransition>", ">2</EnableDampingTransition>"),
                                      "<FrictionVelocity>0.01</FrictionVelocity>", "");
  const RVLSharedHandle<ZALMPCollisionRule> other = ZALMPCollisionRule::create();
  other->EnableDampingTransition(1);
  other->SetFrictionParameters(1, 9);
  ASSERT_EQ(S_OK, other->Deserialize(ReadXml(edited).get(), IdsOf({a, b})));
  EXPECT_FALSE(other->IsDampingTransitionEnabled());
  double coefficient = 0, velocity = 0;
  other->GetFrictionParameters(coefficient, velocity);
  EXPECT_EQ(0.3, coefficient);
  EXPECT_EQ(9, velocity);
  EXPECT_EQ(1, reports.Count());
}

TEST(CollisionLayer, ListsItsMembersTwiceAndTakesThemFromEitherList)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCollisionLayer> layer = ZALMPCollisionLayer::create(L"layer");
  const RVLSharedHandle<ZALMPBody> a = Body(L"a"), b = Body(L"b");
  layer->AddCollidable(a);
  layer->AddCollidable(b);
  const std::string text = WrittenXml(*layer);
  EXPECT_NE(std::string::npos, text.find("<Collidable id=\"a\" name=\"a\"/>")) << text;
  EXPECT_NE(std::string::npos, text.find("<Entity id=\"a\" name=\"a\"/>")) << text;

  // a member that only the second list names comes after the first list's
  const RVLSharedHandle<ZALMPCollisionLayer> back = ZALMPCollisionLayer::create();
  ASSERT_EQ(S_OK, back->Deserialize(ReadXml(Replaced(text, "<Collidable id=\"a\" name=\"a\"/>", "")).get(),
                                    IdsOf({a, b})));
  EXPECT_EQ(0, reports.Count());
  ASSERT_EQ(2, back->GetCollidableCount());
  RVLSharedHandle<ZALMPEntity> got;
  back->GetCollidable(0, got);
  EXPECT_TRUE(got == b);
  back->GetCollidable(1, got);
  EXPECT_TRUE(got == a);
}

TEST(Interaction, ALayerNeverEndsASaveOrALoadWhileRulesAndInterLayersDo)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPInteraction> kinds[] = {ZALMPCollisionLayer::create(), ZALMPCollisionInterLayer::create(),
                                                     ZALMPCollisionRule::create()};
  const HRESULT expected[] = {S_OK, E_FAIL, E_FAIL};
  const std::unique_ptr<ZALMPXmlReader> empty = ReadXml("<Interactions/>");
  for (int kind = 0; kind < 3; ++kind) {
    EXPECT_EQ(expected[kind], kinds[kind]->Serialize(nullptr)) << kinds[kind]->getClassName();
    EXPECT_EQ(expected[kind], kinds[kind]->Deserialize(empty.get(), {})) << kinds[kind]->getClassName();
  }
  EXPECT_EQ(6, reports.Count());
}

class Material : public WorldFixture {};

TEST_F(Material, FillsItsRegistryButWritesNothingSoNoneIsReadBack)
{
  world->Add<ZALMPMaterial>(TestMaterial::create(L"steel"));
  std::string text;
  ASSERT_TRUE(ZALMPXml::Write(*world, text).Ok());
  EXPECT_NE(std::string::npos, text.find("<Materials>\n    </Materials>")) << text;
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(text, model).Ok());
  EXPECT_EQ(0, model.world->Count<ZALMPMaterial>());
  EXPECT_TRUE(model.warnings.empty());
}

}  // namespace
