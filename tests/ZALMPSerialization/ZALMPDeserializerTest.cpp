#include "ZALMPTreeTestElements.h"

#include <ZALMPTestSupport.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::wstring IdOf(const ZALMPDeserializer* element)
{
  std::wstring id;
  if (element) element->GetId(id);
  return id;
}

TEST(Deserializer, ChildrenAreFiledUnderTheirKeyAndEachIdIsWalkedInTurn)
{
  ReportCapture reports;
  TestReader root(L"Bodies");
  const ZALMPDeserializer* a = root.Add(L"Body");
  root.Add(L"Axis");
  TestReader* b = root.Add(L"Body");
  const ZALMPDeserializer* c = root.Add(L"Wheel", L"Body");  // filed under another id than its own
  root.Add(L"Ängle");
  b->SetId(L"Renamed");  // a new id does not move a child that is filed already

  // the first child comes twice in a row once the walk has passed the last
  const ZALMPDeserializer* expected[] = {a, b, c, a, a, b};
  ZALMPDeserializer* got = nullptr;
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(S_OK, root.GetElement(L"Body", got)) << "call " << i;
    EXPECT_EQ(expected[i], got) << "call " << i;
    // each id keeps its own position
    root.GetElement(L"Axis", got);
    EXPECT_EQ(L"Axis", IdOf(got)) << "call " << i;
  }

  // listing appends every child, ids in code unit order, and neither moves the walk nor needs it
  std::vector<ZALMPDeserializer*> all{nullptr};
  ASSERT_EQ(S_OK, root.GetElements(all));
  const std::wstring ids[] = {L"", L"Axis", L"Body", L"Renamed", L"Wheel", L"Ängle"};
  ASSERT_EQ(std::size(ids), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(ids[i], IdOf(all[i])) << "position " << i;
  root.GetElement(L"Body", got);
  EXPECT_EQ(c, got);

  ZALMPDeserializer::ElementIterator begin{}, end{};
  ASSERT_EQ(S_OK, root.GetElements(L"Body", begin, end));
  ASSERT_EQ(3, end - begin);
  EXPECT_TRUE(begin[0] == a && begin[1] == b && begin[2] == c);
  EXPECT_FALSE(root.HasElement(L"Wheel")) << "asked by key";

  // adding a child starts every walk again
  root.Add(L"Joint");
  root.GetElement(L"Body", got);
  EXPECT_EQ(a, got);

  // a key beyond ASCII is not the key of an id whose units are its bytes
  TestReader accents(L"Accents");
  const ZALMPDeserializer* angle = accents.Add(L"Ängle");
  accents.GetElement(L"\u00C3\u0084ngle", got);
  EXPECT_EQ(nullptr, got);
  accents.GetElement(L"Ängle", got);
  EXPECT_EQ(angle, got);
  EXPECT_EQ(0, reports.Count());
}

TEST(Deserializer, ChildrenOutOfOrderButTogetherAreFoundWithoutReordering)
{
  // Children of one id that stand together are found as they are; a child
  // added later apart from its id's others must still be found with them.
  TestReader root(L"Body");
  TestReader* weight = root.Add(L"Weight");
  TestReader* first = root.Add(L"Position");
  TestReader* second = root.Add(L"Position");
  root.Add(L"Acceleration");
  ZALMPDeserializer* got = nullptr;
  const ZALMPDeserializer* positions[] = {first, second, first};
  for (const ZALMPDeserializer* expected : positions) {
    root.GetElement(L"Position", got);
    EXPECT_EQ(expected, got);
  }
  TestReader* later = root.Add(L"Weight");
  const ZALMPDeserializer* weights[] = {weight, later, weight};
  for (const ZALMPDeserializer* expected : weights) {
    root.GetElement(L"Weight", got);
    EXPECT_EQ(expected, got);
  }
  std::vector<ZALMPDeserializer*> all;
  root.GetElements(all);
  const std::wstring ids[] = {L"Acceleration", L"Position", L"Position", L"Weight", L"Weight"};
  ASSERT_EQ(std::size(ids), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(ids[i], IdOf(all[i])) << "position " << i;
  EXPECT_TRUE(all[1] == first && all[2] == second && all[3] == weight && all[4] == later);

  // A lookup starts just past the group found last; a child added since and
  // sorted in among the others must not make it start inside a group.
  TestReader frame(L"Frame");
  frame.Add(L"A");
  const TestReader* firstB = frame.Add(L"B");
  frame.Add(L"C");
  frame.GetElement(L"B", got);
  const TestReader* secondB = frame.Add(L"B");
  for (const ZALMPDeserializer* expected : {firstB, secondB, firstB}) {
    frame.GetElement(L"B", got);
    EXPECT_EQ(expected, got);
  }
}

TEST(Deserializer, AFetchedChildTakesItsParentsVersion)
{
  TestReader root(L"World");
  root.SetVersion(ZALMPVersion::kR2017_0);
  root.Add(L"Body")->SetVersion(ZALMPVersion::kR2018_1);
  root.Add(L"Custom")->SetVersion(L"R2019.0-beta");

  ZALMPDeserializer *body = nullptr, *custom = nullptr;
  ASSERT_EQ(S_OK, root.GetElement(L"Body", body));
  root.SetVersion(L"R2020.7");
  ASSERT_EQ(S_OK, root.GetElement(L"Custom", custom));
  std::wstring bodyVersion, customVersion;
  body->GetVersion(bodyVersion);
  custom->GetVersion(customVersion);
  EXPECT_EQ(ZALMPVersion::kR2017_0, bodyVersion);
  EXPECT_EQ(L"R2020.7", customVersion);
}

TEST(Deserializer, AnAbsentChildIsNoFailureButItsValueIs)
{
  ReportCapture reports;
  TestReader root(L"Point");
  root.Add(L"Y")->SetValue(L"north");

  ZALMPDeserializer* child = &root;
  EXPECT_EQ(S_OK, root.GetElement(L"Z", child));
  EXPECT_EQ(nullptr, child);
  EXPECT_EQ(0, reports.Count());

  std::int32_t count = 5;
  EXPECT_EQ(E_FAIL, root.GetElement(L"Z", child, count));
  EXPECT_EQ(5, count);
  // a value that does not convert fails the fetch, reported even where the conversion is silent
  bool flag = true;
  EXPECT_EQ(E_FAIL, root.GetElement(L"Y", child, flag));
  EXPECT_TRUE(flag);
  EXPECT_EQ(L"Y", IdOf(child));
  EXPECT_EQ(2, reports.Count());
}

TEST(Deserializer, TypedReadsConvertOnlyWhatTheStoredTypeAllows)
{
  ReportCapture reports;
  TestReader root(L"Values");
  root.AddAttributeValue(L"b", true);
  root.AddAttributeValue(L"i", 12);
  root.AddAttributeValue(L"d", 0.5);
  root.AddAttributeValue(L"s", L"old");
  root.AddAttributeValue(L"s", L"2.5");  // replaces

  double d = 0.0;
  std::int32_t i = 0;
  bool b = false;
  std::wstring s = L"kept";
  EXPECT_EQ(S_OK, root.GetAttribute(L"s", d));
  EXPECT_EQ(2.5, d);
  EXPECT_EQ(S_OK, root.GetAttribute(L"d", d));
  EXPECT_EQ(0.5, d);
  EXPECT_EQ(S_OK, root.GetAttribute(L"i", i));
  EXPECT_EQ(12, i);
  EXPECT_EQ(S_OK, root.GetAttribute(L"b", b));
  EXPECT_TRUE(b);
  // a text as the tree keeps it: UTF-8 here
  root.AddAttributeValue(L"u", L"caf\u00e9");
  std::string_view encoded;
  EXPECT_EQ(S_OK, root.GetAttributeEncoded(L"s", encoded));
  EXPECT_EQ("2.5", encoded);
  EXPECT_EQ(S_OK, root.GetAttributeEncoded(L"u", encoded));
  EXPECT_EQ("caf\xc3\xa9", encoded);
  EXPECT_EQ(0, reports.Count());
  EXPECT_EQ(E_FAIL, root.GetAttributeEncoded(L"d", encoded));
  EXPECT_EQ(E_FAIL, root.GetAttributeEncoded(L"absent", encoded));
  EXPECT_EQ("caf\xc3\xa9", encoded);
  EXPECT_EQ(2, reports.Count());
  reports.Clear();

  // no widening, no narrowing, no text from numbers; absent ids fail: all reported, outputs untouched
  EXPECT_EQ(E_FAIL, root.GetAttribute(L"i", d));
  EXPECT_EQ(E_FAIL, root.GetAttribute(L"d", i));
  EXPECT_EQ(E_FAIL, root.GetAttribute(L"i", b));
  EXPECT_EQ(E_FAIL, root.GetAttribute(L"b", s));
  EXPECT_EQ(E_FAIL, root.GetAttribute(L"absent", s));
  EXPECT_EQ(E_FAIL, root.GetValue(i));  // the root has no value of its own
  EXPECT_EQ(6, reports.Count());
  EXPECT_TRUE(d == 0.5 && i == 12 && b && s == L"kept");

  // texts as booleans: exact words only; any other text fails without a report
  const std::pair<const wchar_t*, std::optional<bool>> words[] = {
      {L"1", true},      {L"true", true},   {L"TRUE", true}, {L"yes", true}, {L"YES", true}, {L"0", false},
      {L"false", false}, {L"FALSE", false}, {L"no", false},  {L"NO", false}, {L"No", {}},   {L"True", {}},
      {L" yes", {}},     {L"", {}}};
  reports.Clear();
  for (const auto& [text, expected] : words) {
    root.SetValue(text);
    bool value = !expected.value_or(false);
    EXPECT_EQ(expected ? S_OK : E_FAIL, root.GetValue(value)) << "\"" << text << "\"";
    EXPECT_EQ(expected.value_or(true), value) << "\"" << text << "\"";
  }
  EXPECT_EQ(0, reports.Count());

  // texts as numbers, read the way "%d" and "%le" read them; what does not read is reported
  const std::tuple<const wchar_t*, std::optional<std::int32_t>, std::optional<double>> numbers[] = {
      {L"  -7 units", -7, -7.0}, {L"+3.75", 3, 3.75}, {L"-0x1p3", 0, -8.0}, {L"2147483648", {}, 2147483648.0},
      {L"-2147483648", INT32_MIN, -2147483648.0}, {L"1e999", 1, std::numeric_limits<double>::infinity()},
      {L".5", {}, 0.5}, {L"- 1", {}, {}}, {L"", {}, {}}};
  for (const auto& [text, asInt, asDouble] : numbers) {
    root.SetValue(text);
    reports.Clear();
    i = 99;
    d = 99.0;
    EXPECT_EQ(asInt ? S_OK : E_FAIL, root.GetValue(i)) << "\"" << text << "\"";
    EXPECT_EQ(asInt.value_or(99), i) << "\"" << text << "\"";
    EXPECT_EQ(asDouble ? S_OK : E_FAIL, root.GetValue(d)) << "\"" << text << "\"";
    EXPECT_EQ(asDouble.value_or(99.0), d) << "\"" << text << "\"";
    EXPECT_EQ((asInt ? 0 : 1) + (asDouble ? 0 : 1), reports.Count()) << "\"" << text << "\"";
  }
}

TEST(Deserializer, DecimalTextsReadAsTheCLibraryReadsThem)
{
  // Short decimals take a quicker path than long, huge or odd ones; all must
  // give the bits strtod gives, whatever follows the number.
  TestReader root(L"Number");
  std::mt19937_64 random(20261206);
  std::vector<std::string> texts = {"0",    "-0",   "0.5",   "5.",    "1.e5",   "1e+",   "1e-x",   "9007199254740993",
                                    "9007199254740992e-22",  "1e22",  "1e23",   "1e-22", "1e-23",  "0.1E+1x",
                                    "12345678901234567890",  "0.0000000000000000000001", "7e0200", "3E-0022",
                                    // runs of eight digits, ended by the characters just around the digits
                                    "1234567/8", "12345678:", "0.1234567:1", "0.12345678/", "12345678.87654321",
                                    "0.001000288712", "1234567890123456789", "0.12345678901234567890123"};
  for (int i = 0; i < 3000; ++i) {
    std::string digits = std::to_string(random() >> (random() % 64));
    std::string text = random() % 2 ? "-" : "";
    const std::size_t point = random() % (digits.size() + 2);
    text += point < digits.size() ? digits.substr(0, point) + "." + digits.substr(point) : digits;
    if (text.back() == '.' || text.front() == '.') text += "0";
    if (random() % 2) text += (random() % 2 ? "e" : "E") + std::to_string(static_cast<int>(random() % 61) - 30);
    if (random() % 4 == 0) text += " mm";
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    root.SetValue(std::wstring(text.begin(), text.end()));
    double read = 99.0;
    ASSERT_EQ(S_OK, root.GetValue(read)) << text;
    const double expected = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(read)) << text;
  }
}

// Elements kept in one storage: a type that counts its endings, and a plain one.
template <class Self>
class StoredReader : public ZALMPDeserializer {
public:
  StoredReader() = default;
  explicit StoredReader(NewStorage tag) : ZALMPDeserializer(tag) {}
  explicit StoredReader(ZALMPTreeStorage& storage) : ZALMPDeserializer(storage) {}

  using ZALMPDeserializer::AddAttributeValueUtf8;
  using ZALMPDeserializer::Element;
  using ZALMPDeserializer::FindAttributeUtf8;
  using ZALMPDeserializer::LendTexts;
  using ZALMPDeserializer::NewStorage;
  using ZALMPDeserializer::ResetKeepingStorage;
  using ZALMPDeserializer::RestartElementSequences;
  using ZALMPDeserializer::SetAttributeValueUtf8;
  using ZALMPDeserializer::SetId;
  using ZALMPDeserializer::SetIdUtf8;
  using ZALMPDeserializer::SetLeafUtf8;
  using ZALMPDeserializer::SetValueUtf8;
  using ZALMPDeserializer::SetVersion;
  using ZALMPDeserializer::SwapContent;

  Self* Add(std::wstring_view id)
  {
    Element<Self> child = MakeElement<Self>();
    Self* added = child.get();
    added->SetId(id);
    AddElement(std::move(child));
    return added;
  }
  Element<Self> Make() { return MakeElement<Self>(); }

  HRESULT Load(const std::wstring&) override { return E_NOTIMPL; }
};

class CountedReader : public StoredReader<CountedReader> {
public:
  using StoredReader::StoredReader;
  ~CountedReader() override { ++ended; }
  static inline int ended = 0;
};

class PlainReader : public StoredReader<PlainReader> {
public:
  using PlainElement = PlainReader;
  using StoredReader::StoredReader;
};

TEST(Deserializer, ATreeInOneStorageEndsEveryElementThatNeedsItsEnding)
{
  CountedReader::ended = 0;
  {
    auto root = std::make_unique<CountedReader>(CountedReader::NewStorage());
    root->Add(L"Body")->Add(L"Position");
    root->Add(L"Joint");
  }
  EXPECT_EQ(4, CountedReader::ended);

  // a plain tree goes at once; what it holds elsewhere, or what is held apart from it, lives on
  // (the sanitizer build sees a leak or a use after its end)
  PlainReader::Element<PlainReader> apart;
  {
    auto root = std::make_unique<PlainReader>(PlainReader::NewStorage());
    root->Add(L"Body")->Add(L"Position")->SetVersion(L"R2030.0-long-enough-for-the-heap");
    root->Add(L"Joint");
    apart = root->Make();
  }
  apart->SetId(L"Apart");
  EXPECT_EQ(L"Apart", IdOf(apart.get()));
}

// A storage's root made as new keeps the memory for the next tree; whatever
// the trees hold, each reads back whole (the sanitizer build sees memory used
// after it was given back).
TEST(Deserializer, AResetRootBuildsTreeAfterTreeInItsStorage)
{
  auto root = std::make_unique<PlainReader>(PlainReader::NewStorage());
  for (int round = 0; round < 4; ++round) {
    root->SetId(L"Root" + std::to_wstring(round));
    // more each round: the storage grows by blocks, which the next round finds merged
    const int count = 50 << round;
    for (int i = 0; i < count; ++i)
      root->Add(L"Child-with-an-id-longer-than-inline-" + std::to_wstring(i))->SetValueUtf8("0.123456789012345678");
    if (round == 2) root->Add(L"Versioned")->SetVersion(L"R2030.0-long-enough-for-the-heap");
    EXPECT_EQ(L"Root" + std::to_wstring(round), IdOf(root.get()));
    std::vector<ZALMPDeserializer*> children;
    root->GetElements(children);
    ASSERT_EQ(static_cast<std::size_t>(count + (round == 2 ? 1 : 0)), children.size());
    double value = 0.0;
    ASSERT_EQ(S_OK, children.front()->GetValue(value));
    EXPECT_EQ(0.123456789012345678, value);
    EXPECT_EQ(L"Child-with-an-id-longer-than-inline-0", IdOf(children.front()));
    ASSERT_EQ(S_OK, root->ResetKeepingStorage());
    EXPECT_EQ(L"", IdOf(root.get()));
    EXPECT_FALSE(root->HasElement(L"Vx"));
    children.clear();
    root->GetElements(children);
    EXPECT_TRUE(children.empty());
    std::wstring version;
    root->GetVersion(version);
    EXPECT_EQ(ZALMPVersion::kNewest, version);
  }

  // elements that need their ending are ended by the reset
  CountedReader::ended = 0;
  auto counted = std::make_unique<CountedReader>(CountedReader::NewStorage());
  counted->Add(L"Body")->Add(L"Position");
  counted->Add(L"Joint");
  ASSERT_EQ(S_OK, counted->ResetKeepingStorage());
  EXPECT_EQ(3, CountedReader::ended);
  counted->Add(L"Again");
  EXPECT_TRUE(counted->HasElement(L"Again"));
}

TEST(Deserializer, AResetIsRefusedWhileAnElementOfTheStorageStandsApart)
{
  auto root = std::make_unique<PlainReader>(PlainReader::NewStorage());
  root->SetId(L"Root");
  root->Add(L"Body");
  PlainReader::Element<PlainReader> apart = root->Make();
  ReportCapture reports;
  EXPECT_EQ(E_FAIL, root->ResetKeepingStorage());
  EXPECT_EQ(1, reports.Count());
  EXPECT_EQ(L"Root", IdOf(root.get()));
  EXPECT_TRUE(root->HasElement(L"Body"));
  apart.reset();
  EXPECT_EQ(S_OK, root->ResetKeepingStorage());

  // an element on the heap has no storage to keep
  PlainReader heap;
  EXPECT_EQ(E_FAIL, heap.ResetKeepingStorage());
  // nor has an element inside one
  PlainReader* body = root->Add(L"Body");
  EXPECT_EQ(E_FAIL, body->ResetKeepingStorage());
  EXPECT_TRUE(root->HasElement(L"Body"));
}

// Texts taken from a lent document stand in it; every other text, and any
// cut inside a character, is stored as without the loan.
TEST(Deserializer, TextsFromALentDocumentAreReadWhereTheyStand)
{
  const std::string document = "<a v=\"a value of more than sixteen bytes\" w=\"caf\xc3\xa9 au lait, long enough\"/>";
  const auto within = [&](std::string_view text) {
    return text.data() >= document.data() && text.data() + text.size() <= document.data() + document.size();
  };
  const std::size_t accent = document.find('\xc3');
  const std::vector<std::string_view> texts = {
      std::string_view(document).substr(6, 33),                // ASCII
      std::string_view(document).substr(accent - 3, 26),       // with a whole character
      std::string_view(document).substr(accent + 1, 20),       // cut after the character's first byte
      std::string_view(document).substr(accent - 20, 21),      // cut before its last byte
  };
  const std::string elsewhere = "a text of the same length as one lent";

  auto plain = std::make_unique<PlainReader>(PlainReader::NewStorage());
  auto lending = std::make_unique<PlainReader>(PlainReader::NewStorage());
  ASSERT_EQ(S_OK, lending->LendTexts(document));
  for (int round = 0; round < 2; ++round) {
    for (PlainReader* root : {plain.get(), lending.get()}) {
      ASSERT_EQ(S_OK, root->SetIdUtf8(elsewhere));
      for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(S_OK, root->AddAttributeValueUtf8("a" + std::to_string(i), texts[i]));
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::wstring id = L"a" + std::to_wstring(i);
      std::string_view lent;
      std::string_view stored;
      ASSERT_EQ(S_OK, lending->GetAttributeEncoded(id, lent));
      ASSERT_EQ(S_OK, plain->GetAttributeEncoded(id, stored));
      EXPECT_EQ(stored, lent) << i;
      EXPECT_EQ(i < 2, within(lent)) << i;
      EXPECT_FALSE(within(stored)) << i;
    }
    EXPECT_EQ(IdOf(plain.get()), IdOf(lending.get()));
    // the loan outlives a reset
    ASSERT_EQ(S_OK, plain->ResetKeepingStorage());
    ASSERT_EQ(S_OK, lending->ResetKeepingStorage());
  }

  // a document that is no valid UTF-8 is not lent: its texts are converted as ever
  const std::string broken = "a document with a broken character \xc3 in it";
  auto refused = std::make_unique<PlainReader>(PlainReader::NewStorage());
  EXPECT_EQ(S_FALSE, refused->LendTexts(broken));
  ASSERT_EQ(S_OK, refused->AddAttributeValueUtf8("b", broken));
  std::string_view converted;
  ASSERT_EQ(S_OK, refused->GetAttributeEncoded(L"b", converted));
  EXPECT_NE(std::string_view::npos, converted.find("\xef\xbf\xbd"));

  // only the element that started the storage lends
  ReportCapture reports;
  PlainReader heap;
  EXPECT_EQ(E_FAIL, heap.LendTexts(document));
  EXPECT_EQ(E_FAIL, lending->Add(L"Inside")->LendTexts(document));
  EXPECT_EQ(2, reports.Count());
}

TEST(Deserializer, ALeafSetAtOnceReadsAsItsIdAndValueSetApart)
{
  auto root = std::make_unique<PlainReader>(PlainReader::NewStorage());
  const std::vector<std::pair<std::string, std::string>> leaves = {
      {"Vx", "0"}, {"Fifteen-bytes-1", "fifteen-bytes-2"}, {"Sixteen-bytes-01", "a value of more than sixteen bytes"},
      {"Caf\xc3\xa9", "\xe2\x82\xac"}, {"Bad\xff", "also bad \xc3"}, {"", ""}};
  for (const auto& [id, value] : leaves) {
    PlainReader::Element<PlainReader> atOnce = root->Make();
    PlainReader::Element<PlainReader> apart = root->Make();
    ASSERT_EQ(S_OK, atOnce->SetLeafUtf8(id, value));
    ASSERT_EQ(S_OK, apart->SetIdUtf8(id));
    ASSERT_EQ(S_OK, apart->SetValueUtf8(value));
    EXPECT_EQ(IdOf(apart.get()), IdOf(atOnce.get())) << id;
    std::wstring read;
    std::wstring expected;
    ASSERT_EQ(S_OK, atOnce->GetValue(read));
    ASSERT_EQ(S_OK, apart->GetValue(expected));
    EXPECT_EQ(expected, read) << value;
  }

  // a child filed under its id stays filed there when the id changes
  PlainReader* child = root->Add(L"Vx");
  ASSERT_EQ(S_OK, child->SetLeafUtf8("Vy", "1"));
  ZALMPDeserializer* found = nullptr;
  double value = 0.0;
  ASSERT_EQ(S_OK, root->GetElement(L"Vx", found, value));
  EXPECT_EQ(child, found);
  EXPECT_EQ(1.0, value);
  EXPECT_EQ(L"Vy", IdOf(found));
}

// Children asked for by id after two elements exchanged them: each finds the
// other's, and neither its own.
TEST(Deserializer, SwappedContentsAreFoundUnderTheirNewParent)
{
  auto root = std::make_unique<PlainReader>(PlainReader::NewStorage());
  PlainReader* first = root->Add(L"First");
  PlainReader* second = root->Add(L"Second");
  for (const wchar_t* id : {L"Position", L"Velocity", L"Weight"}) first->Add(id);
  for (const wchar_t* id : {L"Geometries", L"Shapes"}) second->Add(id);
  ASSERT_EQ(S_OK, first->SwapContent(*second));
  for (const wchar_t* id : {L"Position", L"Velocity", L"Weight"}) {
    EXPECT_TRUE(second->HasElement(id)) << id;
    EXPECT_FALSE(first->HasElement(id)) << id;
  }
  for (const wchar_t* id : {L"Geometries", L"Shapes"}) {
    EXPECT_TRUE(first->HasElement(id)) << id;
    EXPECT_FALSE(second->HasElement(id)) << id;
  }
}

// A tree read before and given new values reads as new: attributes found
// by their place take values as by their ids, and every id's sequence
// starts again from its first child.
TEST(Deserializer, ATreeGivenNewValuesReadsAsNew)
{
  ReportCapture reports;
  auto root = std::make_unique<PlainReader>(PlainReader::NewStorage());
  for (const char* id : {"name", "id", "zeta"}) ASSERT_EQ(S_OK, root->AddAttributeValueUtf8(id, "old"));
  const int id = root->FindAttributeUtf8("id");
  const int name = root->FindAttributeUtf8("name");
  EXPECT_EQ(-1, root->FindAttributeUtf8("nam"));
  ASSERT_TRUE(id >= 0 && name >= 0 && id != name);
  ASSERT_EQ(S_OK, root->SetAttributeValueUtf8(name, "a text longer than one held inline"));
  ASSERT_EQ(S_OK, root->SetAttributeValueUtf8(id, "\xFF"));
  std::wstring value;
  root->GetAttribute(L"name", value);
  EXPECT_EQ(L"a text longer than one held inline", value);
  root->GetAttribute(L"id", value);
  EXPECT_EQ(L"\uFFFD", value);
  root->GetAttribute(L"zeta", value);
  EXPECT_EQ(L"old", value);
  EXPECT_EQ(E_FAIL, root->SetAttributeValueUtf8(3, "x"));
  EXPECT_EQ(E_FAIL, root->SetAttributeValueUtf8(-1, "x"));
  EXPECT_EQ(E_FAIL, root->Add(L"Plain")->SetAttributeValueUtf8(0, "x"));

  PlainReader* first = root->Add(L"Body");
  root->Add(L"Body");
  ZALMPDeserializer* read = nullptr;
  root->GetElement(L"Body", read);
  root->RestartElementSequences();
  root->GetElement(L"Body", read);
  EXPECT_EQ(first, read);
}

// Keys of every short length, sharing prefixes of every length and holding
// units beyond ASCII, come out in code unit order (units as unsigned values)
// however they were added; so many attributes that they are searched, not
// walked, are each found.
TEST(Deserializer, KeysOfEveryShortLengthAreOrderedByTheirUnits)
{
  std::mt19937 random(20261207);
  const std::wstring alphabet = {L'a', L'b', L'Z', L'\u00e9', L'\u07ff', L'\uffff', static_cast<wchar_t>(0x10FFFF)};
  std::vector<std::wstring> ids;
  for (int length = 0; length <= 20; ++length)
    for (int n = 0; n < 12; ++n) {
      std::wstring id(static_cast<std::size_t>(length), L'a');
      // mostly one letter, so that keys share long prefixes and differ late
      for (wchar_t& unit : id)
        if (random() % 4 == 0) unit = alphabet[random() % alphabet.size()];
      ids.push_back(id);
    }
  std::shuffle(ids.begin(), ids.end(), random);
  TestReader root(L"Root");
  for (std::size_t i = 0; i < ids.size(); ++i) {
    root.Add(ids[i]);
    root.AddAttributeValue(ids[i].empty() ? L"empty" : ids[i], static_cast<std::int32_t>(i));
  }
  std::vector<std::wstring> expected = ids;
  std::stable_sort(expected.begin(), expected.end(), [](const std::wstring& a, const std::wstring& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
      return static_cast<std::uint32_t>(x) < static_cast<std::uint32_t>(y);
    });
  });
  std::vector<ZALMPDeserializer*> all;
  root.GetElements(all);
  ASSERT_EQ(expected.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) ASSERT_EQ(expected[i], IdOf(all[i])) << "position " << i;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    EXPECT_TRUE(root.HasElement(ids[i])) << i;
    std::int32_t value = -1;
    ASSERT_EQ(S_OK, root.GetAttribute(ids[i].empty() ? L"empty" : ids[i], value)) << i;
    // a repeated id keeps the value given last
    const std::size_t last = static_cast<std::size_t>(std::find(ids.rbegin(), ids.rend(), ids[i]) - ids.rbegin());
    EXPECT_EQ(static_cast<std::int32_t>(ids.size() - 1 - last), value) << i;
  }
}

}  // namespace
