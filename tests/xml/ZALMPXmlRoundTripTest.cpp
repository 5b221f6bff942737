#include <ZALMPXmlCodec.h>
#include <ZALMPTestSupport.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// What a tree should hold, built beside the writer and compared with what is read back.
struct Expected {
  std::wstring id;
  std::wstring version;
  bool hasValue = false;
  std::wstring text;      // the value as the reader sees it
  double number = 0.0;    // for doubles, the exact value that must come back
  bool isDouble = false;
  std::map<std::wstring, std::wstring> attributes;  // the last value of each id
  std::deque<Expected> children;  // a deque keeps references to elements valid as it grows
};

std::wstring TextOf(double value)
{
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return {digits, end};
}

class RandomTree {
public:
  explicit RandomTree(unsigned seed) : m_random(seed) {}

  // Texts from characters that XML carries plainly, must escape, or cannot carry at all.
  std::wstring Text(int maxLength)
  {
    static const std::wstring pieces[] = {
        L"Body", L"x", L"X", L"_", L"_x", L"_x41_", L"_x_", L"xml", L"XmL", L"1", L"-", L".", L":", L" ", L"  ",
        L"<", L">", L"&", L"&amp;", L"\"", L"'", L"\t", L"\n", L"\r\n", L"é", L"世界", L"😀", L"]]>",
        std::wstring(1, L'\0'), std::wstring(1, static_cast<wchar_t>(1)), std::wstring(1, static_cast<wchar_t>(0xD800)),
        std::wstring(1, static_cast<wchar_t>(0xFFFE)), std::wstring(1, static_cast<wchar_t>(0x110000)),
        std::wstring(1, static_cast<wchar_t>(-2))};
    std::wstring text;
    const int count = Pick(maxLength + 1);
    for (int i = 0; i < count; ++i) text += pieces[Pick(static_cast<int>(std::size(pieces)))];
    return text;
  }

  std::wstring Id()
  {
    static const wchar_t* const common[] = {L"Body", L"Joint", L"X", L"Y", L"Z", L"Value", L"Parameters"};
    return Pick(3) == 0 ? Text(4) : common[Pick(static_cast<int>(std::size(common)))];
  }

  std::wstring Version()
  {
    if (Pick(50) == 0) return L"R2019.9 ß";
    return std::wstring(ZALMPVersion::kAll[static_cast<std::size_t>(Pick(static_cast<int>(ZALMPVersion::kAll.size())))]);
  }

  // Writes one element's value and attributes, noting what a reader must see.
  void Fill(ZALMPSerializer& parent, ZALMPSerializer*& element, Expected& expected)
  {
    expected.id = Id();
    const int kind = Pick(6);
    expected.hasValue = kind != 0;
    if (kind == 0) {
      parent.AddElement(expected.id, element);
    } else if (kind == 1) {
      const bool value = Pick(2) == 1;
      parent.AddElement(expected.id, element, value);
      expected.text = value ? L"true" : L"false";
    } else if (kind == 2) {
      const auto value = static_cast<std::int32_t>(m_random());
      parent.AddElement(expected.id, element, value);
      expected.text = std::to_wstring(value);
    } else if (kind == 3) {
      const double value = std::uniform_real_distribution<double>(-1e6, 1e6)(m_random) / (1 + Pick(1000));
      parent.AddElement(expected.id, element, value);
      expected.number = ZALMPSerializer::Quantise(value);
      expected.text = TextOf(expected.number);
      expected.isDouble = true;
    } else {
      expected.text = Text(6);
      parent.AddElement(expected.id, element, expected.text);
    }
    if (Pick(8) == 0) element->SetVersion(Version());
    element->GetVersion(expected.version);
    const int attributes = Pick(4);
    for (int i = 0; i < attributes; ++i) {
      const std::wstring id = Pick(3) == 0 ? Text(3) : std::wstring(1, static_cast<wchar_t>(L'a' + Pick(4)));
      if (Pick(2) == 0) {
        const std::wstring text = Text(5);
        element->AddAttribute(id, text);
        expected.attributes[id] = text;
      } else {
        const std::int32_t value = Pick(2000) - 1000;
        element->AddAttribute(id, value);
        expected.attributes[id] = std::to_wstring(value);
      }
    }
  }

  int Pick(int bound) { return static_cast<int>(m_random() % static_cast<unsigned>(bound)); }

private:
  std::mt19937 m_random;
};

// Compares a read tree with the expectation; the count of elements compared goes to `compared`.
void ExpectSame(const Expected& expected, const ZALMPDeserializer& read, const std::string& path, int& compared)
{
  ++compared;
  std::wstring text;
  read.GetId(text);
  ASSERT_EQ(expected.id, text) << path;
  read.GetVersion(text);
  EXPECT_EQ(expected.version, text) << path;
  text = L"(none)";
  EXPECT_EQ(expected.hasValue ? S_OK : E_FAIL, read.GetValue(text)) << path;
  if (expected.hasValue) {
    EXPECT_EQ(expected.text, text) << path;
  }
  double number = 0.0;
  if (expected.isDouble) {
    EXPECT_EQ(S_OK, read.GetValue(number)) << path;
    EXPECT_EQ(expected.number, number) << path;
  }
  for (const auto& [id, value] : expected.attributes) {
    EXPECT_EQ(S_OK, read.GetAttribute(id, text)) << path;
    EXPECT_EQ(value, text) << path;
  }

  // the reader groups children by id, keeping their order within an id
  std::vector<const Expected*> children;
  for (const Expected& child : expected.children) children.push_back(&child);
  std::stable_sort(children.begin(), children.end(), [](const Expected* l, const Expected* r) {
    return ZALMPVersion::Compare(l->id, r->id) < 0;
  });
  std::vector<ZALMPDeserializer*> readChildren;
  read.GetElements(readChildren);
  ASSERT_EQ(children.size(), readChildren.size()) << path;
  for (std::size_t i = 0; i < children.size(); ++i)
    ExpectSame(*children[i], *readChildren[i], path + "/" + std::to_string(i), compared);
}

TEST(XmlRoundTrip, ARandomTreeOfTenThousandElementsReadsBackUnchanged)
{
  ReportCapture reports;  // reading a value-less element's value is reported
  RandomTree random(20240611);
  ZALMPXmlWriter root;
  Expected expected;
  expected.version = std::wstring(ZALMPVersion::kNewest);

  // Grow the tree anywhere above depth 20, often under one of the newest
  // elements so that deep branches appear.
  struct Open {
    ZALMPSerializer* element;
    Expected* expected;
    int depth;
  };
  std::vector<Open> open{{&root, &expected, 0}};
  int deepest = 0;
  constexpr int kElements = 12000;
  for (int created = 0; created < kElements; ++created) {
    const int recent = std::min(6, static_cast<int>(open.size()));
    const std::size_t pick = random.Pick(2) == 0 ? open.size() - 1 - static_cast<std::size_t>(random.Pick(recent))
                                                 : static_cast<std::size_t>(random.Pick(static_cast<int>(open.size())));
    const Open parent = open[pick];
    Expected& child = parent.expected->children.emplace_back();
    ZALMPSerializer* element = nullptr;
    random.Fill(*parent.element, element, child);
    ASSERT_NE(nullptr, element) << created;
    deepest = std::max(deepest, parent.depth + 1);
    if (parent.depth + 1 < 20) open.push_back({element, &child, parent.depth + 1});
  }
  EXPECT_EQ(20, deepest);

  const std::string document = ZALMPXmlCodec::Write(root);
  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(document, read);
  ASSERT_TRUE(result) << result.message;
  ASSERT_NE(nullptr, read);
  int compared = 0;
  ExpectSame(expected, *read, "", compared);
  EXPECT_EQ(kElements + 1, compared);
}

TEST(XmlRoundTrip, TheDocumentShowsIdsValuesAndVersionsPlainly)
{
  ZALMPXmlWriter root;
  root.SetVersion(ZALMPVersion::kR2017_1);
  ZALMPSerializer* body = nullptr;
  root.AddElement(L"Body", body);
  body->AddAttribute(L"name", L"Wheel & <Axle>");
  body->AddAttribute(L"count", 2);
  body->AddAttribute(L"count", 3);  // XML keeps one attribute of a name: the last value
  auto add = [body](std::wstring_view id, auto... value) {
    ZALMPSerializer* child = nullptr;
    body->AddElement(id, child, value...);
    return child;
  };
  add(L"Mass", 2.5);
  add(L"Label", L"");
  add(L"Fixed", true);
  add(L"Note", L" spaced ")->SetVersion(ZALMPVersion::kR2018_1);
  add(L"2D:shape");
  add(L"", 7);

  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<_x_ xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2017.1\">\n"
            "  <Body name=\"Wheel &amp; &lt;Axle&gt;\" count=\"3\">\n"
            "    <Mass>2.5</Mass>\n"
            "    <Label zalmp:empty=\"true\"/>\n"
            "    <Fixed>true</Fixed>\n"
            "    <Note zalmp:version=\"R2018.1\">&#32;spaced&#32;</Note>\n"
            "    <_x32_D_x3A_shape/>\n"
            "    <_x_>7</_x_>\n"
            "  </Body>\n"
            "</_x_>\n",
            ZALMPXmlCodec::Write(root));

  // an empty text and no value stay apart
  std::unique_ptr<ZALMPXmlReader> read;
  ASSERT_TRUE(ZALMPXmlCodec::Read(ZALMPXmlCodec::Write(root), read));
  ZALMPDeserializer* readBody = nullptr;
  read->GetElement(L"Body", readBody);
  ASSERT_NE(nullptr, readBody);
  std::wstring text = L"unset";
  ZALMPDeserializer* readChild = nullptr;
  EXPECT_EQ(S_OK, readBody->GetElement(L"Label", readChild, text));
  EXPECT_EQ(L"", text);
  ReportCapture reports;
  EXPECT_EQ(E_FAIL, readBody->GetElement(L"2D:shape", readChild, text));
  EXPECT_NE(nullptr, readChild);
}

}  // namespace
