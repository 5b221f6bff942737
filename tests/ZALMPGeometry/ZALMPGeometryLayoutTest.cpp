// How geometries read their elements: what each kind writes, and that every
// field comes back, is pinned by the kind conformance test.

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPCircle.h>
#include <ZALMPCylinder.h>
#include <ZALMPEllipse.h>
#include <ZALMPPoint.h>
#include <ZALMPTorus.h>
#include <ZALMPVersion.h>

#include <RVLEInvalidCast.h>
#include <ZALMathPlane.h>

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace {

// The tree of what `geometry` writes under an empty root.
std::unique_ptr<ZALMPXmlReader> Tree(const ZALMPGeometry& geometry, std::string* text = nullptr)
{
  HRESULT written = E_FAIL;
  const std::string xml = WriteXml(geometry, ZALMPVersion::kNewest, written);
  EXPECT_EQ(S_OK, written);
  if (text) *text = xml;
  return ReadXml(xml);
}

// Centre, normal and radius come back (kind conformance test); the directions
// in the circle's plane are not stored.
TEST(GeometryLayout, ACircleTakesTheDirectionsOfThePlaneOfItsNormal)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCircle> source = ZALMPCircle::create(L"Rim"), read = ZALMPCircle::create(L"");
  ZALMathCircle circle, got;
  ASSERT_EQ(S_OK, circle.Set({1.0, 2.0, 3.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, 2.5, 1.0, 0.0));
  source->SetCircle(circle);
  ASSERT_EQ(S_OK, read->Deserialize(Tree(*source).get(), {}));
  read->GetCircle(got);
  ZALMathVector first, second, planeFirst, planeSecond;
  got.GetDirections(first, second);
  ZALMathPlane({1.0, 2.0, 3.0}, circle.GetNormal()).GetDirections(planeFirst, planeSecond);
  EXPECT_EQ(planeFirst, first) << "the plane's, not the stored (0, 1, 0)";
  EXPECT_EQ(planeSecond, second);
  EXPECT_EQ(0, reports.Count());
}

// The directions of `Kind` (its axis, or its major direction and normal,
// whichever it has) after each was stored as `stored`, written and read back.
template <class Kind>
std::vector<ZALMathVector> DirectionsAfterReading(const ZALMathVector& stored)
{
  constexpr bool hasAxis = requires(Kind & k, ZALMathVector & v) { k.GetAxis(v); };
  constexpr bool hasMajor = requires(Kind & k, ZALMathVector & v) { k.GetMajorDirection(v); };
  const RVLSharedHandle<Kind> source = Kind::create(L"k"), read = Kind::create(L"");
  if constexpr (hasAxis) source->SetAxis(stored);
  else source->SetNormal(stored);
  if constexpr (hasMajor) source->SetMajorDirection(stored);
  EXPECT_EQ(S_OK, read->Deserialize(Tree(*source).get(), {}));
  ZALMathVector first, major;
  if constexpr (hasAxis) read->GetAxis(first);
  else read->GetNormal(first);
  if constexpr (hasMajor) {
    read->GetMajorDirection(major);
    return {first, major};
  }
  return {first};
}

TEST(GeometryLayout, DirectionsAreMadeUnitVectorsOnReading)
{
  ReportCapture reports;
  // One kind of each shape of direction fields: an axis, a normal, a major direction and a normal.
  const std::vector<std::pair<const char*, std::function<std::vector<ZALMathVector>(const ZALMathVector&)>>> kinds = {
      {"cylinder", DirectionsAfterReading<ZALMPCylinder>}, {"torus", DirectionsAfterReading<ZALMPTorus>},
      {"ellipse", DirectionsAfterReading<ZALMPEllipse>}};
  // Scaled to unit length; a zero vector reads as the x direction.
  const std::vector<std::pair<ZALMathVector, ZALMathVector>> cases = {{{0.0, -3.0, 4.0}, {0.0, -0.6, 0.8}},
                                                                      {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}}};
  for (const auto& [name, roundTrip] : kinds) {
    for (const auto& [stored, read] : cases) {
      for (const ZALMathVector& direction : roundTrip(stored))
        EXPECT_EQ(read, direction) << name << (stored.GetZ() == 0.0 ? " zero" : " scaled");
    }
  }
  EXPECT_EQ(0, reports.Count());
}

TEST(GeometryLayout, MissingNumbersReadAsZeroButMissingElementsFail)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPTorus> torus = ZALMPTorus::create(L"Ring");
  torus->SetMinorRadius(0.5);
  std::string text;
  const auto tree = Tree(*torus, &text);

  const RVLSharedHandle<ZALMPTorus> read = ZALMPTorus::create(L"");
  read->SetMinorRadius(9.0);
  const std::string withoutMinor = std::regex_replace(text, std::regex("<minor_radius>[^<]*</minor_radius>"), "");
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(withoutMinor).get(), {}));
  double minor = 1.0;
  read->GetMinorRadius(minor);
  EXPECT_EQ(0.0, minor);
  EXPECT_EQ(std::vector<std::string>{"ZALMPGeometry.m/src/ZALMPTorus"}, reports.Files());

  // A kind reads only its own element, and needs its "Coordinates".
  reports.Clear();
  EXPECT_EQ(E_FAIL, ZALMPCylinder::create(L"")->Deserialize(tree.get(), {}));
  const std::string bare = std::regex_replace(text, std::regex("<Coordinates>[\\s\\S]*</Coordinates>"), "");
  EXPECT_EQ(E_FAIL, ZALMPTorus::create(L"")->Deserialize(ReadXml(bare).get(), {}));
  EXPECT_EQ(E_FAIL, ZALMPTorus::create(L"")->Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, torus->Serialize(nullptr));
  EXPECT_EQ(4, reports.Count());
}

// Reading references is the link table's (entity tests); here the single body link.
TEST(GeometryLayout, ABodyReferenceResolvesOnlyThroughTheMapAndOnlyToABody)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Carrier");
  const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"Tip");
  point->SetBody(body);
  const auto tree = Tree(*point);
  EXPECT_EQ(S_OK, ZALMPPoint::create(L"")->Deserialize(tree.get(), {}));
  EXPECT_EQ(0, reports.Count()) << "an identifier the map does not hold is skipped";
  std::wstring id;
  body->GetIdentifier(id);
  const ZALMPIdentifierMap wrongKind = {{id, TestConstraint::create(L"c")}};
  EXPECT_THROW(ZALMPPoint::create(L"")->Deserialize(tree.get(), wrongKind), RVLEInvalidCast);
}

}  // namespace
