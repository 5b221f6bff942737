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
