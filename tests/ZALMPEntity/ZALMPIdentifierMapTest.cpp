#include "ZALMPEntityTestDoubles.h"

#include <ZALMPCompactText.h>
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

// A reference is looked up by the text the element tree keeps; it must find
// exactly what the wide identifier finds, whatever its length or characters.
TEST(IdentifierMap, EncodedIdentifiersFindWhatTheirWideTextsFind)
{
  const RVLSharedHandle<ZALMPEntity> entity = TestEntity::create(L"e");
  ZALMPIdentifierMap ids;
  std::vector<std::wstring> kept;
  // every length across the blocks of sixteen and the identifiers kept on the stack
  for (std::size_t length = 0; length <= 70; ++length) {
    std::wstring identifier;
    for (std::size_t i = 0; i < length; ++i) identifier += static_cast<wchar_t>(L'A' + (i * 7 + length) % 26);
    kept.push_back(identifier);
  }
  // characters beyond ASCII, one whose low byte is that of an ASCII one ('b' is 0x62)
  for (const wchar_t* identifier : {L"caf\u00e9", L"a\u0162", L"\u4e2d\u6587-id", L"x\U0001F600y", L"\uFFFD"})
    kept.emplace_back(identifier);
  for (const std::wstring& identifier : kept) ids[identifier] = entity;

  for (const std::wstring& identifier : kept) {
    const auto found = ids.findEncoded(ZALMPCompactText::FromWide(identifier).View());
    ASSERT_NE(ids.end(), found) << identifier.size();
    EXPECT_EQ(identifier, found->first);
    // the same text changed in any one place is another identifier
    for (std::size_t i = 0; i < identifier.size(); ++i) {
      std::wstring changed = identifier;
      changed[i] = changed[i] == L'z' ? L'y' : L'z';
      if (ids.count(changed) != 0) continue;
      EXPECT_EQ(ids.end(), ids.findEncoded(ZALMPCompactText::FromWide(changed).View())) << identifier.size() << ' ' << i;
    }
  }
  EXPECT_EQ(ids.end(), ids.findEncoded("ab")) << "'b' is not U+0162";
  EXPECT_EQ(ids.end(), ids.findEncoded(std::string(71, 'A')));
  // a damaged byte reads as U+FFFD, as the wide conversion gives it
  ASSERT_NE(ids.end(), ids.findEncoded("\xff"));
  EXPECT_EQ(L"\uFFFD", ids.findEncoded("\xff")->first);
  // Two identifiers of one hash (found by search for the map's hash of the
  // day): only comparing the texts tells them apart, in the first sixteen
  // units only or in the last ones.
  for (const auto& [kept, other] : {std::pair{L"013825-collision-block", "021491-collision-block"},
                                    std::pair{L"collision-000000084874", "collision-000000103185"}}) {
    ZALMPIdentifierMap two;
    two[kept] = entity;
    EXPECT_EQ(two.end(), two.findEncoded(other)) << other;
    EXPECT_NE(two.end(), two.findEncoded(ZALMPCompactText::FromWide(kept).View()));
  }
  const ZALMPIdentifierMap empty;
  EXPECT_EQ(empty.end(), empty.findEncoded("id"));
}

}  // namespace
