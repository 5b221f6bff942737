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

// A kind filled with numbers other than its defaults, and the children of its
// "Coordinates" in written order. Directions are unit vectors, which reading keeps.
struct KindCase {
  const char* className;
  std::function<RVLSharedHandle<ZALMPGeometry>()> make;
  std::vector<std::string> coordinates;
};

const std::vector<KindCase>& Kinds()
{
  const std::vector<std::string> o = {"Ox", "Oy", "Oz"}, c = {"Cx", "Cy", "Cz"}, d = {"Dx", "Dy", "Dz"},
                                  n = {"Nx", "Ny", "Nz"};
  const auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  const ZALMathPoint p(1.5, -2.25, 3.125);
  const ZALMathVector u(0.0, 1.0, 0.0), w(0.0, 0.0, 1.0);
  static const std::vector<KindCase> kinds = {
      {"ZALMPAxisSystem",
       [=] {
         auto g = ZALMPAxisSystem::create(L"Frame");
         g->SetAxisSystem(ZALMathAxis(p, {0.0, 2.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 3.0}));
         return g;
       },
       join({o, {"D1x", "D1y", "D1z", "D2x", "D2y", "D2z", "D3x", "D3y", "D3z"}})},
      {"ZALMPPoint",
       [=] {
         auto g = ZALMPPoint::create(L"Tip");
         g->SetPoint(p);
         return g;
       },
       o},
      {"ZALMPLine",
       [=] {
         auto g = ZALMPLine::create(L"Edge");
         g->SetLine(ZALMathLine(p, {0.0, 0.0, -4.0}));
         return g;
       },
       join({o, d})},
      {"ZALMPPlane",
       [=] {
         auto g = ZALMPPlane::create(L"Face");
         g->SetPlane(ZALMathPlane(p, u));
         return g;
       },
       join({o, n})},
      {"ZALMPCircle",
       [=] {
         auto g = ZALMPCircle::create(L"Rim");
         ZALMathCircle circle;
         circle.Set(p, {1.0, 0.0, 0.0}, u, 2.5, 1.0, 0.0);
         g->SetCircle(circle);
         return g;
       },
       join({c, d, {"radius"}})},
      {"ZALMPSphere",
       [=] {
         auto g = ZALMPSphere::create(L"Ball");
         g->SetCenter(p);
         g->SetRadius(0.75);
         return g;
       },
       join({c, {"radius"}})},
      {"ZALMPCylinder",
       [=] {
         auto g = ZALMPCylinder::create(L"Bore");
         g->SetOrigin(p);
         g->SetAxis(w);
         g->SetRadius(0.5);
         return g;
       },
       join({o, d, {"radius"}})},
      {"ZALMPCone",
       [=] {
         auto g = ZALMPCone::create(L"Seat");
         g->SetOrigin(p);
         g->SetAxis(u);
         g->SetAngle(0.3);
         return g;
       },
       join({o, d, {"angle"}})},
      {"ZALMPTorus",
       [=] {
         auto g = ZALMPTorus::create(L"Ring");
         g->SetCenter(p);
         g->SetNormal(w);
         g->SetMajorRadius(3.0);
         g->SetMinorRadius(0.5);
         return g;
       },
       join({c, n, {"major_radius", "minor_radius"}})},
      {"ZALMPEllipse",
       [=] {
         auto g = ZALMPEllipse::create(L"Cam");
         g->SetCenter(p);
         g->SetMajorDirection(u);
         g->SetNormal(w);
         g->SetMajorRadius(2.0);
         g->SetMinorRadius(1.25);
         return g;
       },
       join({c, d, n, {"major_radius", "minor_radius"}})},
      {"ZALMPHyperbola",
       [=] {
         auto g = ZALMPHyperbola::create(L"Branch");
         g->SetCenter(p);
         g->SetMajorDirection(w);
         g->SetNormal(u);
         g->SetMajorRadius(1.5);
         g->SetMinorRadius(0.25);
         return g;
       },
       join({c, d, n, {"major_radius", "minor_radius"}})},
      {"ZALMPParabola",
       [=] {
         auto g = ZALMPParabola::create(L"Dish");
         g->SetCenter(p);
         g->SetMajorDirection(u);
         g->SetNormal(w);
         g->SetCurvature(0.125);
         return g;
       },
       join({c, d, n, {"curvature"}})},
      {"ZALMPCirline",
       [=] {
         auto g = ZALMPCirline::create(L"Track");
         g->SetCenter(p);
         g->SetMajorDirection(w);
         g->SetNormal(u);
         g->SetCurvature(-0.5);
         return g;
       },
       join({c, d, n, {"curvature"}})},
      {"ZALMPCylicone",
       [=] {
         auto g = ZALMPCylicone::create(L"Taper");
         g->SetOrigin(p);
         g->SetAxis(u);
         g->SetAngle(0.2);
         g->SetRadius(1.75);
         return g;
       },
       join({o, d, {"angle", "radius"}})},
  };
  return kinds;
}

TEST(GeometryLayout, EveryKindReadsBackWhatItWroteThroughXml)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Carrier");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"Fix");
  const ZALMPIdentifierMap ids = {{IdOf(*body), body}, {IdOf(*constraint), constraint}};
  ASSERT_EQ(14u, Kinds().size());

  for (const KindCase& kind : Kinds()) {
    const RVLSharedHandle<ZALMPGeometry> source = kind.make();
    source->SetBody(body);
    source->LinkToConstraint(constraint);
    const std::string text = Written(*source);

    // The coordinates come in the kind's order.
    std::size_t at = 0;
    for (const std::string& name : kind.coordinates) {
      const std::size_t found = text.find("<" + name + ">", at);
      EXPECT_NE(std::string::npos, found) << kind.className << " " << name;
      at = std::min(found, text.size());
    }

    // As a model reader does: the entity is made from the element id, then reads itself.
    const auto tree = Parsed(text);
    std::vector<ZALMPDeserializer*> children;
    tree->GetElements(children);
    ASSERT_EQ(1u, children.size()) << kind.className;
    std::wstring elementId;
    children[0]->GetId(elementId);
    RVLSharedHandle<ZALMPEntity> made;
    ASSERT_EQ(S_OK, ZALMPFactory::Create(ZALMPSerializationServices::to_type(elementId), made)) << kind.className;
    EXPECT_STREQ(kind.className, made->getClassName());
    const RVLSharedHandle<ZALMPGeometry> read(made);
    EXPECT_EQ(S_OK, read->Deserialize(tree.get(), ids)) << kind.className;

    EXPECT_EQ(text, Written(*read)) << kind.className;
    RVLSharedHandle<ZALMPBody> readBody;
    EXPECT_EQ(S_OK, read->GetBody(readBody)) << kind.className;
    EXPECT_TRUE(readBody == body) << kind.className;
    RVLSharedHandle<ZALMPConstraint> readConstraint;
    EXPECT_EQ(S_OK, read->GetLinkedConstraint(0, readConstraint)) << kind.className;
    EXPECT_TRUE(readConstraint == constraint) << kind.className;
  }
  EXPECT_EQ(0, reports.Count());
}

TEST(GeometryLayout, LinksAreWrittenOnlyWhenPresentAndTheCommonPartOnce)
{
  const RVLSharedHandle<ZALMPHyperbola> hyperbola = ZALMPHyperbola::create(L"Branch");
  const std::string text = Written(*hyperbola);
  EXPECT_EQ(std::string::npos, text.find("<Body")) << text;
  EXPECT_EQ(std::string::npos, text.find("<Constraints")) << text;
  const std::regex identifier(" id=\"");
  EXPECT_EQ(1, std::distance(std::sregex_iterator(text.begin(), text.end(), identifier), std::sregex_iterator()))
      << text;
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

// The axis a kind with an axis has after writing and reading `axis`.
template <class Kind>
ZALMathVector AxisAfterReading(const ZALMathVector& axis)
{
  const RVLSharedHandle<Kind> source = Kind::create(L"k");
  source->SetAxis(axis);
  ZALMathVector stored;
  source->GetAxis(stored);
  EXPECT_EQ(axis, stored) << "setters keep what they are given";
  const RVLSharedHandle<Kind> read = Kind::create(L"");
  EXPECT_EQ(S_OK, read->Deserialize(Parsed(Written(*source)).get(), {}));
  ZALMathVector got;
  read->GetAxis(got);
  return got;
}

TEST(GeometryLayout, AxesAreMadeUnitDirectionsOnReading)
{
  const std::vector<std::pair<const char*, std::function<ZALMathVector(const ZALMathVector&)>>> kinds = {
      {"cylinder", AxisAfterReading<ZALMPCylinder>},
      {"cone", AxisAfterReading<ZALMPCone>},
      {"cylicone", AxisAfterReading<ZALMPCylicone>}};
  for (const auto& [name, roundTrip] : kinds) {
    EXPECT_EQ(ZALMathVector(0.0, 0.0, 1.0), roundTrip({0.0, 0.0, 2.0})) << name;
    EXPECT_EQ(ZALMathVector(1.0, 0.0, 0.0), roundTrip({0.0, 0.0, 0.0})) << name;
  }

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
