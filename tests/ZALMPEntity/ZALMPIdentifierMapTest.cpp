#include "ZALMPEntityTestDoubles.h"

#include <ZALMPIdentifierMap.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Identifier(int i)
{
  return L"id" + std::to_wstring(i * 7919) + L"-4361-43CC-899A-C9724AA93032";
}

TEST(IdentifierMap, FindsEveryEntryItKeepsAndNothingElseAsItGrows)
{
  const RVLSharedHandle<ZALMPEntity> first = TestEntity::create(L"first");
  const RVLSharedHandle<ZALMPEntity> second = TestEntity::create(L"second");
  ZALMPIdentifierMap ids;
  EXPECT_EQ(ids.end(), ids.find(L"absent"));
  constexpr int kCount = 20000;
  for (int i = 0; i < kCount; ++i) ids[Identifier(i)] = i % 2 ? second : first;
  ids[Identifier(3)] = first;  // a second write replaces, it adds nothing
  ASSERT_EQ(static_cast<std::size_t>(kCount), ids.size());
  for (int i = 0; i < kCount; ++i) {
    const auto found = ids.find(Identifier(i));
    ASSERT_NE(ids.end(), found) << i;
    EXPECT_EQ(Identifier(i), found->first);
    EXPECT_EQ(i % 2 && i != 3 ? second : first, found->second) << i;
  }
  EXPECT_EQ(ids.end(), ids.find(Identifier(kCount)));
  EXPECT_EQ(0u, ids.count(L""));
  EXPECT_FALSE(ids[L""]) << "a missing identifier is added empty";

  // walked in the order added; a copy is a map of its own
  std::vector<std::wstring> walked;
  for (const auto& [identifier, entity] : ids) walked.push_back(identifier);
  EXPECT_EQ(Identifier(0), walked.front());
  EXPECT_EQ(L"", walked.back());
  ZALMPIdentifierMap copy = ids;
  copy[Identifier(0)] = second;
  EXPECT_EQ(first, ids.find(Identifier(0))->second);
  EXPECT_EQ(second, copy.find(Identifier(0))->second);
  copy = ids;
  EXPECT_EQ(first, copy.find(Identifier(0))->second);
}

TEST(IdentifierMap, AListKeepsTheFirstEntryOfAnIdentifier)
{
  const RVLSharedHandle<ZALMPEntity> first = TestEntity::create(L"first");
  const RVLSharedHandle<ZALMPEntity> second = TestEntity::create(L"second");
  const ZALMPIdentifierMap ids = {{L"a", first}, {L"b", second}, {L"a", second}};
  EXPECT_EQ(2u, ids.size());
  EXPECT_EQ(first, ids.find(L"a")->second);
  EXPECT_EQ(second, ids.find(L"b")->second);
}

}  // namespace
