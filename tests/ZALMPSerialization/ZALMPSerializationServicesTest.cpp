#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPConstant.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPValue.h>

#include <RVLEInvalidCast.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALWBEquation.h>
#include <ZALWBFactory.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using Services = ZALMPSerializationServices;

TEST(ValueReferences, WriteStopsAtTheFirstEmptyValueAndReadResolvesThroughTheMap)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPValue> stiffness = ZALMPConstant::create(L"k");
  const RVLSharedHandle<ZALMPValue> damping = ZALMPConstant::create(L"c");
  const RVLSharedHandle<ZALMPValue> values[] = {stiffness, nullptr, damping};

  ZALMPXmlWriter root;
  ZALMPSerializer* tree = &root;
  EXPECT_EQ(E_FAIL, Services::Serialize(tree, values, 3, {L"Stiffness", L"Missing", L"Damping"}));
  EXPECT_EQ(E_FAIL, Services::Serialize(tree, values, 2, {L"OnlyOne"})) << "count and names differ";
  ZALMPSerializer* none = nullptr;
  EXPECT_EQ(E_FAIL, Services::Serialize(none, stiffness, L"X"));
  EXPECT_EQ(3, reports.Count());
  EXPECT_EQ(S_OK, Services::Serialize(tree, values, 0, {})) << "nothing to write";

  const auto read = ReadBack(root);
  EXPECT_TRUE(read->HasElement(L"Missing")) << "the empty child stays";
  EXPECT_FALSE(read->HasElement(L"Damping")) << "later children are not written";

  ZALMPDeserializer* input = read.get();
  RVLSharedHandle<ZALMPValue> resolved[2];
  const ZALMPIdentifierMap ids = IdsOf({stiffness});
  reports.Clear();
  EXPECT_EQ(S_OK, Services::Deserialize(input, {L"Stiffness"}, ids, resolved));
  EXPECT_TRUE(resolved[0] == stiffness);
  EXPECT_EQ(E_FAIL, Services::Deserialize(input, {L"Stiffness", L"Damping"}, {}, resolved));
  EXPECT_EQ(0, reports.Count()) << "an unknown id or an absent child fails silently";
  EXPECT_EQ(E_FAIL, Services::Deserialize(input, {L"Stiffness", L"Missing"}, ids, resolved));
  EXPECT_EQ(1, reports.Count()) << "a child without \"id\" is reported";

  // The single form empties its output and reports.
  RVLSharedHandle<ZALMPValue> single = damping;
  EXPECT_EQ(E_FAIL, Services::Deserialize(input, L"Stiffness", {}, single));
  EXPECT_FALSE(single);
  EXPECT_EQ(S_OK, Services::Deserialize(input, L"Stiffness", ids, single));
  EXPECT_TRUE(single == stiffness);

  ZALMPIdentifierMap wrongKind = IdsOf({stiffness});
  wrongKind.begin()->second = TestConstraint::create(L"x");
  EXPECT_THROW(Services::Deserialize(input, {L"Stiffness"}, wrongKind, resolved), RVLEInvalidCast);
}

TEST(PointsAndVectors, AreThreeQuantisedCoordinatesAndAMissingOneIsReported)
{
  ReportCapture reports;
  ZALMPXmlWriter root;
  ZALMPSerializer* tree = &root;
  ASSERT_EQ(S_OK, Services::Serialize(tree, ZALMathPoint(1.0, 2.5e-13, -3.0), L"Origin"));

  const auto read = ReadBack(root);
  ZALMPDeserializer* input = read.get();
  ZALMathPoint origin(9, 9, 9);
  ASSERT_EQ(S_OK, Services::Deserialize(input, L"Origin", {}, origin));
  EXPECT_EQ(ZALMathPoint(1.0, 0.0, -3.0), origin);
  EXPECT_EQ(0, reports.Count());

  // A point read as a vector misses its three coordinates: reported, read as 0.
  ZALMathVector axis(1, 1, 1);
  EXPECT_EQ(S_OK, Services::Deserialize(input, L"Origin", {}, axis));
  EXPECT_EQ(ZALMathVector(0, 0, 0), axis);
  EXPECT_EQ(3, reports.Count());
  EXPECT_EQ(E_FAIL, Services::Deserialize(input, L"Nowhere", {}, origin));
  EXPECT_EQ(ZALMathPoint(1.0, 0.0, -3.0), origin) << "unchanged";
}

// Element ids and class names, the digit kinds included, map into each other
// in every kept document of the kind conformance test.
TEST(TextConversions, AreUtf8BothWays)
{
  EXPECT_EQ(L"\u00e9t\u00e9", Services::to_wstring("\xc3\xa9t\xc3\xa9"));
  char* narrow = nullptr;
  ASSERT_EQ(S_OK, Services::ConvertToCString(L"Body.1 \u00e9", narrow));
  EXPECT_STREQ("Body.1 \xc3\xa9", narrow);
  std::free(narrow);
}

TEST(Equations, ParseExactlyOneEquationIntoTheFactory)
{
  ReportCapture reports;
  ZALWBFactory factory;
  ZALWBEquation* parsed = nullptr;
  ASSERT_EQ(S_OK, Services::ParseWBEquation(L"y = 2*x^2 - sin(Body.1.a)", &factory, parsed));

  ZALWBEquation* equation = nullptr;
  for (const wchar_t* bad : {L"a = b; c = d", L"a = (b", L""}) {
    equation = parsed;
    EXPECT_EQ(E_FAIL, Services::ParseWBEquation(bad, &factory, equation)) << bad;
    EXPECT_EQ(nullptr, equation) << bad;
  }
  EXPECT_EQ(E_FAIL, Services::ParseWBEquation(L"a = b", nullptr, equation));
  std::wstring text;
  EXPECT_EQ(E_FAIL, Services::PrintWBEquation(nullptr, text));
  EXPECT_EQ(5, reports.Count());
}

}  // namespace
