#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALMPVersion.h>

#include <RVLEInvalidCast.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Writes the common part of `entity` into an element "E" of a tree of `version`.
std::unique_ptr<ZALMPXmlReader> WriteCommonPart(const ZALMPEntity& entity, std::wstring_view version)
{
  ZALMPXmlWriter root;
  root.SetVersion(version);
  ZALMPSerializer* own = nullptr;
  root.AddElement(L"E", own);
  entity.Serialize(own);
  return ReadBack(root);
}

const ZALMPDeserializer* Own(const std::unique_ptr<ZALMPXmlReader>& root)
{
  ZALMPDeserializer* own = nullptr;
  root->GetElement(L"E", own);
  return own;
}

TEST(EntityCommonPart, RoundTripsIdentifierNameFlagAndLists)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"Crank \u00e9");
  const RVLSharedHandle<TestParameter> p1 = TestParameter::create(L"p1");
  const RVLSharedHandle<TestParameter> p2 = TestParameter::create(L"p2");
  const RVLSharedHandle<TestState> state = TestState::create(L"s");
  const RVLSharedHandle<TestEntity> part = TestEntity::create(L"part");
  source->AddParameter(p1);
  source->AddParameter(p2);
  source->AddState(state);
  source->AddAggregatedElement(part);
  source->Deactivate();

  const auto tree = WriteCommonPart(*source, ZALMPVersion::kR2018_1);
  ZALMPIdentifierMap ids;
  for (const RVLSharedHandle<ZALMPEntity>& entity : {RVLSharedHandle<ZALMPEntity>(p1), RVLSharedHandle<ZALMPEntity>(p2),
                                                     RVLSharedHandle<ZALMPEntity>(state), RVLSharedHandle<ZALMPEntity>(part)}) {
    std::wstring id;
    entity->GetIdentifier(id);
    ids[id] = entity;
  }

  const RVLSharedHandle<TestEntity> read = TestEntity::create(L"");
  EXPECT_EQ(S_OK, read->Deserialize(Own(tree), ids));
  std::wstring sourceId, readId;
  source->GetIdentifier(sourceId);
  read->GetIdentifier(readId);
  EXPECT_EQ(sourceId, readId);
  EXPECT_EQ(L"Crank \u00e9", read->getEntityName());
  EXPECT_FALSE(read->IsActive());
  ASSERT_EQ(2, read->GetParameterCount());
  RVLSharedHandle<ZALMPParameter> parameter;
  read->GetParameter(1, parameter);
  EXPECT_TRUE(parameter == p2) << "list order survives";
  EXPECT_EQ(1, read->GetStateCount());
  EXPECT_EQ(1, read->GetAggregatedElementCount());
  EXPECT_EQ(0, reports.Count());
}

TEST(EntityCommonPart, OlderLayoutHasNoActiveFlagAndKeepsTheReadersFlag)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"E");
  source->Deactivate();
  const auto tree = WriteCommonPart(*source, ZALMPVersion::kR2017_0);
  std::wstring flag;
  EXPECT_EQ(E_FAIL, Own(tree)->GetAttribute(L"isActive", flag)) << "not written before R2017.1";

  const RVLSharedHandle<TestEntity> inactive = TestEntity::create(L"");
  inactive->Deactivate();
  reports.Clear();
  EXPECT_EQ(S_OK, inactive->Deserialize(Own(tree), {}));
  EXPECT_FALSE(inactive->IsActive()) << "left unchanged";
  EXPECT_EQ(0, reports.Count());
}

TEST(EntityCommonPart, ReadingReportsWhatIsMissingAndSkipsUnknownReferences)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"E");
  source->AddParameter(TestParameter::create(L"unknown"));
  const auto tree = WriteCommonPart(*source, ZALMPVersion::kR2018_1);

  // An entity whose identifier exists already keeps it (reported); an
  // identifier missing from the map is skipped without a report.
  const RVLSharedHandle<TestEntity> read = TestEntity::create(L"");
  std::wstring before, after;
  read->GetIdentifier(before);
  EXPECT_EQ(S_OK, read->Deserialize(Own(tree), {}));
  read->GetIdentifier(after);
  EXPECT_EQ(before, after);
  EXPECT_EQ(0, read->GetParameterCount());
  EXPECT_EQ(1, reports.Count());

  // An element with nothing in it: "id", "name" and "isActive" are each reported.
  ZALMPXmlWriter root;
  ZALMPSerializer* empty = nullptr;
  root.AddElement(L"E", empty);
  const auto bare = ReadBack(root);
  reports.Clear();
  EXPECT_EQ(S_OK, TestEntity::create(L"")->Deserialize(Own(bare), {}));
  EXPECT_EQ(3, reports.Count());
  EXPECT_EQ(S_OK, TestEntity::create(L"")->Deserialize(nullptr, {}));
  EXPECT_EQ(S_OK, source->Serialize(nullptr));
}

TEST(EntityCommonPart, AReferenceToTheWrongKindRaisesAnInvalidCast)
{
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"E");
  const RVLSharedHandle<TestParameter> parameter = TestParameter::create(L"p");
  source->AddParameter(parameter);
  const auto tree = WriteCommonPart(*source, ZALMPVersion::kR2018_1);
  std::wstring id;
  parameter->GetIdentifier(id);
  const ZALMPIdentifierMap ids = {{id, TestEntity::create(L"not a parameter")}};
  EXPECT_THROW(TestEntity::create(L"")->Deserialize(Own(tree), ids), RVLEInvalidCast);
}

}  // namespace
