// The names each geometry kind writes, checked against the written document,
// and the directions of the conic kinds, which reading makes unit vectors.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPXmlOutline.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPCircle.h>
#include <ZALMPCirline.h>
#include <ZALMPCone.h>
#include <ZALMPCylicone.h>
#include <ZALMPCylinder.h>
#include <ZALMPEllipse.h>
#include <ZALMPHyperbola.h>
#include <ZALMPLine.h>
#include <ZALMPParabola.h>
#include <ZALMPPlane.h>
#include <ZALMPPoint.h>
#include <ZALMPSphere.h>
#include <ZALMPTorus.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Written(const ZALMPGeometry& geometry)
{
  ZALMPXmlWriter root;
  EXPECT_EQ(S_OK, geometry.Serialize(&root));
  return ZALMPXmlCodec::Write(root);
}

template <class Kind>
RVLSharedHandle<ZALMPGeometry> Make()
{
  return Kind::create(L"k");
}

struct KindNames {
  std::function<RVLSharedHandle<ZALMPGeometry>()> make;
  const char* element;
  const char* coordinates;
};

TEST(GeometryElements, EachKindNamesItsElementLinksAndCoordinates)
{
  const std::vector<KindNames> kinds = {
      {Make<ZALMPAxisSystem>, "AxisSystem", "Ox,Oy,Oz,D1x,D1y,D1z,D2x,D2y,D2z,D3x,D3y,D3z"},
      {Make<ZALMPPoint>, "Point", "Ox,Oy,Oz"},
      {Make<ZALMPLine>, "Line", "Ox,Oy,Oz,Dx,Dy,Dz"},
      {Make<ZALMPPlane>, "Plane", "Ox,Oy,Oz,Nx,Ny,Nz"},
      {Make<ZALMPCircle>, "Circle", "Cx,Cy,Cz,Dx,Dy,Dz,radius"},
      {Make<ZALMPSphere>, "Sphere", "Cx,Cy,Cz,radius"},
      {Make<ZALMPCylinder>, "Cylinder", "Ox,Oy,Oz,Dx,Dy,Dz,radius"},
      {Make<ZALMPCone>, "Cone", "Ox,Oy,Oz,Dx,Dy,Dz,angle"},
      {Make<ZALMPTorus>, "Torus", "Cx,Cy,Cz,Nx,Ny,Nz,major_radius,minor_radius"},
      {Make<ZALMPEllipse>, "Ellipse", "Cx,Cy,Cz,Dx,Dy,Dz,Nx,Ny,Nz,major_radius,minor_radius"},
      {Make<ZALMPHyperbola>, "Hyperbola", "Cx,Cy,Cz,Dx,Dy,Dz,Nx,Ny,Nz,major_radius,minor_radius"},
      {Make<ZALMPParabola>, "Parabola", "Cx,Cy,Cz,Dx,Dy,Dz,Nx,Ny,Nz,curvature"},
      {Make<ZALMPCirline>, "Cirline", "Cx,Cy,Cz,Dx,Dy,Dz,Nx,Ny,Nz,curvature"},
      {Make<ZALMPCylicone>, "Cylicone", "Ox,Oy,Oz,Dx,Dy,Dz,angle,radius"},
  };
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"b");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  for (const KindNames& kind : kinds) {
    const RVLSharedHandle<ZALMPGeometry> geometry = kind.make();
    const std::string coordinates = std::string("Coordinates(") + kind.coordinates + ")";
    EXPECT_EQ(std::string(kind.element) + "[id,name,isActive](" + coordinates + ")", XmlOutline(Written(*geometry)));
    geometry->SetBody(body);
    geometry->LinkToConstraint(constraint);
    EXPECT_EQ(std::string(kind.element) + "[id,name,isActive](Body[id,name],Constraints(Constraint[id,name])," +
                  coordinates + ")",
              XmlOutline(Written(*geometry)));
  }
}

// The major direction (when the kind has one) and the normal of a conic kind
// after both were stored as `stored`, written and read back.
template <class Kind>
std::vector<ZALMathVector> DirectionsAfterReading(const ZALMathVector& stored)
{
  const RVLSharedHandle<Kind> source = Kind::create(L"k");
  const RVLSharedHandle<Kind> read = Kind::create(L"");
  constexpr bool hasMajorDirection = requires(Kind & k, ZALMathVector & v)
  {
    k.GetMajorDirection(v);
  };
  if constexpr (hasMajorDirection) source->SetMajorDirection(stored);
  source->SetNormal(stored);
  std::unique_ptr<ZALMPXmlReader> document;
  EXPECT_TRUE(ZALMPXmlCodec::Read(Written(*source), document).Ok());
  EXPECT_EQ(S_OK, read->Deserialize(document.get(), {}));
  std::vector<ZALMathVector> directions;
  ZALMathVector direction;
  if constexpr (hasMajorDirection) {
    read->GetMajorDirection(direction);
    directions.push_back(direction);
  }
  read->GetNormal(direction);
  directions.push_back(direction);
  return directions;
}

TEST(GeometryElements, ConicDirectionsAreMadeUnitVectorsOnReading)
{
  ReportCapture reports;
  const std::vector<std::pair<const char*, std::function<std::vector<ZALMathVector>(const ZALMathVector&)>>> kinds = {
      {"torus", DirectionsAfterReading<ZALMPTorus>},         {"ellipse", DirectionsAfterReading<ZALMPEllipse>},
      {"hyperbola", DirectionsAfterReading<ZALMPHyperbola>}, {"parabola", DirectionsAfterReading<ZALMPParabola>},
      {"cirline", DirectionsAfterReading<ZALMPCirline>},
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

}  // namespace
