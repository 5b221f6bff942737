#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPCircle.h>
#include <ZALMPCirline.h>
#include <ZALMPCone.h>
#include <ZALMPCylicone.h>
#include <ZALMPCylinder.h>
#include <ZALMPEllipse.h>
#include <ZALMPFactory.h>
#include <ZALMPHyperbola.h>
#include <ZALMPLine.h>
#include <ZALMPParabola.h>
#include <ZALMPPlane.h>
#include <ZALMPPoint.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSphere.h>
#include <ZALMPTorus.h>
#include <ZALMPXmlCodec.h>

#include <RVLEInvalidCast.h>
#include <ZALMathPlane.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

// The XML text of what `geometry` writes under an empty root.
std::string Written(const ZALMPGeometry& geometry)
{
  ZALMPXmlWriter root;
  EXPECT_EQ(S_OK, geometry.Serialize(&root));
  return ZALMPXmlCodec::Write(root);
}

std::unique_ptr<ZALMPXmlReader> Parsed(const std::string& text)
{
  std::unique_ptr<ZALMPXmlReader> root;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(text, root);
  EXPECT_TRUE(result.Ok()) << result.message;
  return root;
}

std::string Without(const std::string& text, const std::string& elementId)
{
  return std::regex_replace(text, std::regex("<" + elementId + ">[^<]*</" + elementId + ">"), "");
}

std::wstring IdOf(const ZALMPEntity& entity)
{
  std::wstring id;
  entity.GetIdentifier(id);
  return id;
}

TEST(GeometryLayout, CircleKeepsCentreNormalAndRadiusAndTakesThePlanesDirections)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCircle> source = ZALMPCircle::create(L"Rim");
  ZALMathCircle circle;
  ASSERT_EQ(S_OK, circle.Set({1.0, 2.0, 3.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, 2.5, 1.0, 0.0));
  source->SetCircle(circle);

  const RVLSharedHandle<ZALMPCircle> read = ZALMPCircle::create(L"");
  ASSERT_EQ(S_OK, read->Deserialize(Parsed(Written(*source)).get(), {}));
  ZALMathCircle got;
  read->GetCircle(got);
  EXPECT_EQ(circle.GetCenter(), got.GetCenter());
  EXPECT_EQ(2.5, got.GetRadius());
  EXPECT_EQ(circle.GetNormal(), got.GetNormal());
  ZALMathVector first, second, planeFirst, planeSecond;
  got.GetDirections(first, second);
  ZALMathPlane({1.0, 2.0, 3.0}, circle.GetNormal()).GetDirections(planeFirst, planeSecond);
  EXPECT_EQ(planeFirst, first);
  EXPECT_EQ(planeSecond, second);
  EXPECT_NE(ZALMathVector(0.0, 1.0, 0.0), first) << "the old reference direction is lost";
  EXPECT_EQ(0, reports.Count());
}

// The directions of `Kind` (its axis, or its major direction and normal,
// whichever it has) after each was stored as `stored`, written and read back.
template <class Kind>
std::vector<ZALMathVector> DirectionsAfterReading(const ZALMathVector& stored)
{
  constexpr bool hasAxis = requires(Kind & k, ZALMathVector & v) { k.GetAxis(v); };
  constexpr bool hasMajor = requires(Kind & k, ZALMathVector & v) { k.GetMajorDirection(v); };
  const RVLSharedHandle<Kind> source = Kind::create(L"k");
  if constexpr (hasAxis) source->SetAxis(stored);
  if constexpr (hasMajor) source->SetMajorDirection(stored);
  if constexpr (!hasAxis) source->SetNormal(stored);
  const RVLSharedHandle<Kind> read = Kind::create(L"");
  EXPECT_EQ(S_OK, read->Deserialize(Parsed(Written(*source)).get(), {}));
  std::vector<ZALMathVector> directions;
  ZALMathVector direction;
  if constexpr (hasAxis) {
    source->GetAxis(direction);
    EXPECT_EQ(stored, direction) << "setters keep what they are given";
    read->GetAxis(direction);
    directions.push_back(direction);
  }
  if constexpr (hasMajor) {
    read->GetMajorDirection(direction);
    directions.push_back(direction);
  }
  if constexpr (!hasAxis) {
    read->GetNormal(direction);
    directions.push_back(direction);
  }
  return directions;
}

TEST(GeometryLayout, DirectionsAreMadeUnitVectorsOnReading)
{
  ReportCapture reports;
  const std::vector<std::pair<const char*, std::function<std::vector<ZALMathVector>(const ZALMathVector&)>>> kinds = {
      {"cylinder", DirectionsAfterReading<ZALMPCylinder>}, {"cone", DirectionsAfterReading<ZALMPCone>},
      {"cylicone", DirectionsAfterReading<ZALMPCylicone>}, {"torus", DirectionsAfterReading<ZALMPTorus>},
      {"ellipse", DirectionsAfterReading<ZALMPEllipse>},   {"hyperbola", DirectionsAfterReading<ZALMPHyperbola>},
      {"parabola", DirectionsAfterReading<ZALMPParabola>}, {"cirline", DirectionsAfterReading<ZALMPCirline>},
  };
  const std::vector<std::pair<ZALMathVector, ZALMathVector>> cases = {
      {{0.0, 0.0, 2.0}, {0.0, 0.0, 1.0}},
      {{0.0, -3.0, 4.0}, {0.0, -0.6, 0.8}},
      {{0.0, 1.0, 0.0}, {0.0, 1.0, 0.0}},
      {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}},
  };
  for (const auto& [name, roundTrip] : kinds) {
    for (const auto& [stored, read] : cases) {
      for (const ZALMathVector& direction : roundTrip(stored))
        EXPECT_EQ(read, direction) << name << " stored as " << stored.GetX() << " " << stored.GetY() << " "
                                   << stored.GetZ();
    }
  }
  EXPECT_EQ(0, reports.Count());
}

TEST(GeometryLayout, CoordinatesHoldTheOriginAndAxisAsNumbers)
{
  // The origin and axis come from their own elements.
  const RVLSharedHandle<ZALMPCylinder> cylinder = ZALMPCylinder::create(L"Bore");
  cylinder->SetOrigin({4.0, 5.0, 6.0});
  cylinder->SetAxis({0.0, 3.0, 0.0});
  const auto tree = Parsed(Written(*cylinder));
  ZALMPDeserializer* element = nullptr;
  ZALMPDeserializer* coordinates = nullptr;
  ZALMPDeserializer* child = nullptr;
  tree->GetElement(L"Cylinder", element);
  ASSERT_TRUE(element);
  element->GetElement(L"Coordinates", coordinates);
  ASSERT_TRUE(coordinates);
  double oy = 0.0, dy = 0.0;
  EXPECT_EQ(S_OK, coordinates->GetElement(L"Oy", child, oy));
  EXPECT_EQ(S_OK, coordinates->GetElement(L"Dy", child, dy));
  EXPECT_EQ(5.0, oy);
  EXPECT_EQ(3.0, dy);
}

TEST(GeometryLayout, MissingNumbersReadAsZeroButMissingElementsFail)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPTorus> torus = ZALMPTorus::create(L"Ring");
  torus->SetMajorRadius(3.0);
  torus->SetMinorRadius(0.5);
  const std::string text = Written(*torus);

  const RVLSharedHandle<ZALMPTorus> read = ZALMPTorus::create(L"");
  read->SetMinorRadius(9.0);
  EXPECT_EQ(S_OK, read->Deserialize(Parsed(Without(text, "minor_radius")).get(), {}));
  double major = 0.0, minor = 1.0;
  read->GetMajorRadius(major);
  read->GetMinorRadius(minor);
  EXPECT_EQ(3.0, major);
  EXPECT_EQ(0.0, minor);
  ASSERT_EQ(1, reports.Count());
  EXPECT_EQ("ZALMPGeometry.m/src/ZALMPTorus", reports.Files()[0]);

  // A kind reads only its own element, and needs its "Coordinates".
  reports.Clear();
  EXPECT_EQ(E_FAIL, ZALMPCylinder::create(L"")->Deserialize(Parsed(text).get(), {}));
  const std::string bare = std::regex_replace(text, std::regex("<Coordinates>[\\s\\S]*</Coordinates>"), "");
  EXPECT_EQ(E_FAIL, ZALMPTorus::create(L"")->Deserialize(Parsed(bare).get(), {}));
  EXPECT_EQ(E_FAIL, ZALMPTorus::create(L"")->Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, torus->Serialize(nullptr));
  EXPECT_EQ(4, reports.Count());
}

TEST(GeometryLayout, BodyReferencesResolveOnlyThroughTheMap)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Carrier");
  const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"Tip");
  point->SetBody(body);
  const auto tree = Parsed(Written(*point));

  const RVLSharedHandle<ZALMPPoint> unknown = ZALMPPoint::create(L"");
  EXPECT_EQ(S_OK, unknown->Deserialize(tree.get(), {}));
  EXPECT_EQ(0, unknown->GetLinkedConstraintCount());
  EXPECT_EQ(0, reports.Count()) << "an identifier the map does not hold is skipped";

  const ZALMPIdentifierMap wrongKind = {{IdOf(*body), TestConstraint::create(L"c")}};
  EXPECT_THROW(ZALMPPoint::create(L"")->Deserialize(tree.get(), wrongKind), RVLEInvalidCast);
}

}  // namespace
