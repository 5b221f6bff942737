// Planar geometries: their planar body and sketch, the planar common part
// they write before their coordinates, how they leave their partners and what
// a copy keeps. That every field and link comes back at every version is
// pinned by the kind conformance test.

#include "ZALMPModellerSamples.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody2D.h>
#include <ZALMPCircle2D.h>
#include <ZALMPCurve2D.h>
#include <ZALMPLine2D.h>
#include <ZALMPPoint2D.h>
#include <ZALMPSketch.h>
#include <ZALMPVersion.h>

#include <RVLEInvalidCast.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

// A planar line on a planar body, in a sketch, tied by a constraint.
class Geometry2DLayout : public ::testing::Test {
protected:
  const RVLSharedHandle<ZALMPLine2D> line = ZALMPLine2D::create(L"Edge");
  const RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  const RVLSharedHandle<ZALMPSketch> sketch = ZALMPSketch::create(L"Plane");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"Tie");
  void SetUp() override
  {
    line->SetLine(ZALMathLine2D({1.5, -2}, {0, 3}));
    line->SetBody(body);
    line->SetSketch(sketch);
    line->LinkToConstraint(constraint);
  }
  std::string Written() const
  {
    HRESULT written = E_FAIL;
    const std::string text = WriteXml(*line, ZALMPVersion::kNewest, written);
    EXPECT_EQ(S_OK, written);
    return text;
  }
};

TEST_F(Geometry2DLayout, ThePlanarCommonPartComesBeforeTheCoordinatesAndResolvesThroughTheMap)
{
  ReportCapture reports;
  const std::string text = Written();
  const std::size_t constraints = text.find("<Constraints>"), planarBody = text.find("<Body2D "),
                    inSketch = text.find("<Sketch "), coordinates = text.find("<Coordinates>");
  EXPECT_TRUE(constraints < planarBody && planarBody < inSketch && inSketch < coordinates) << text;
  const std::string compact = std::regex_replace(text, std::regex(">\\s+<"), "><");
  EXPECT_NE(std::string::npos, compact.find("<Coordinates><Ox>1.5</Ox><Oy>-2</Oy><Dx>0</Dx><Dy>3</Dy></Coordinates>"))
      << text;
  EXPECT_EQ(std::string::npos, text.find("<Body ")) << "no body in space is set";

  const RVLSharedHandle<ZALMPLine2D> read = ZALMPLine2D::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(Replaced(text, "<Dy>3</Dy>", "")).get(),
                                    IdsOf({body, sketch, constraint})));
  ZALMathLine2D got;
  read->GetLine(got);
  EXPECT_EQ(ZALMathLine2D({1.5, -2}, {0, 0}), got) << "a missing number reads as 0";
  EXPECT_EQ(1, reports.Count()) << "and is reported";
  RVLSharedHandle<ZALMPBody2D> readBody;
  RVLSharedHandle<ZALMPSketch> readSketch;
  RVLSharedHandle<ZALMPConstraint> readConstraint;
  EXPECT_EQ(S_OK, read->GetBody(readBody));
  EXPECT_TRUE(readBody == body);
  EXPECT_EQ(S_OK, read->GetSketch(readSketch));
  EXPECT_TRUE(readSketch == sketch);
  EXPECT_EQ(S_OK, read->GetLinkedConstraint(0, readConstraint));

  ZALMPIdentifierMap wrong = IdsOf({sketch, constraint});
  std::wstring bodyId;
  body->GetIdentifier(bodyId);
  wrong[bodyId] = ZALMPPoint2D::create(L"x");
  EXPECT_THROW(ZALMPLine2D::create()->Deserialize(ReadXml(text).get(), wrong), RVLEInvalidCast)
      << "a planar body that is of another kind";
}

TEST_F(Geometry2DLayout, OrphaningAsksThePlanarBodyAndTheConstraintsAndLetsTheSketchGo)
{
  ReportCapture reports;
  body->AddGeometry(line);
  constraint->LinkToGeometry(line);
  RVLSharedHandle<ZALMPLine2D> orphaned = line;
  ZALMPLine2D::destroy(orphaned);
  RVLSharedHandle<ZALMPBody2D> got;
  RVLSharedHandle<ZALMPSketch> held;
  EXPECT_EQ(0, body->GetGeometryCount());
  EXPECT_EQ(0, constraint->GetLinkedGeometryCount());
  EXPECT_EQ(E_FAIL, line->GetBody(got));
  EXPECT_EQ(E_FAIL, line->GetSketch(held));
  EXPECT_EQ(0, line->GetLinkedConstraintCount());
  EXPECT_EQ(0, reports.Count());
}

TEST_F(Geometry2DLayout, APlanarCurveWritesItsPlanarPartAloneAndComesBackWithoutSegments)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCurve2D> curve = ZALMPCurve2D::create(L"Profile");
  const ZALBaseUnknownRef<ZALTRVLine> segment = ZALTRVLine::Create({0, 0, 0}, {1, 0, 0});
  const std::unique_ptr<ZALCrvLimits> limits = LimitsOf(*segment, 0.0, 1.0);
  ASSERT_EQ(S_OK, curve->AddCurve(segment.get(), ZALMPCurveOrientation::Negative, limits.get()));
  EXPECT_EQ(E_FAIL, curve->AddCurve(segment.get(), ZALMPCurveOrientation::Positive, nullptr));
  EXPECT_EQ(1, reports.Count()) << "null limits are refused and reported";
  curve->SetBody(body);
  curve->SetSketch(sketch);
  curve->LinkToConstraint(constraint);
  const std::string text = WrittenXml(*curve);
  EXPECT_EQ(std::string::npos, text.find("<Coordinates")) << text;
  EXPECT_EQ(std::string::npos, text.find("CurveSegment")) << "no segment is written: " << text;

  const RVLSharedHandle<ZALMPCurve2D> read = ZALMPCurve2D::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), IdsOf({body, sketch, constraint})));
  RVLSharedHandle<ZALMPBody2D> readBody;
  RVLSharedHandle<ZALMPSketch> readSketch;
  EXPECT_EQ(S_OK, read->GetBody(readBody));
  EXPECT_EQ(S_OK, read->GetSketch(readSketch));
  EXPECT_TRUE(readBody == body && readSketch == sketch);
  EXPECT_EQ(1, read->GetLinkedConstraintCount());
  EXPECT_EQ(0, read->GetCurveCount());
  EXPECT_EQ(text, WrittenXml(*read));
  EXPECT_EQ(1, ZALMPCurve2D::clone(curve)->GetCurveCount()) << "a copy carries the segments";
  EXPECT_EQ(1, reports.Count());
}

TEST(Geometry2DClone, ACopyCarriesTheRadiusOnly)
{
  const RVLSharedHandle<ZALMPCircle2D> source = ZALMPCircle2D::create(L"Hub");
  source->SetCenter({1, 2});
  source->SetRadius(0.25);
  source->SetBody(ZALMPBody2D::create(L"Crank"));
  source->SetSketch(ZALMPSketch::create(L"Plane"));
  source->LinkToConstraint(TestConstraint::create(L"c"));

  const RVLSharedHandle<ZALMPCircle2D> copy = ZALMPCircle2D::clone(source);
  ASSERT_TRUE(copy);
  double radius = 0.0;
  ZALMathPoint2D centre(9, 9);
  copy->GetRadius(radius);
  copy->GetCenter(centre);
  EXPECT_EQ(0.25, radius);
  EXPECT_EQ(ZALMathPoint2D(), centre) << "a point starts at its default";
  RVLSharedHandle<ZALMPBody2D> body;
  RVLSharedHandle<ZALMPSketch> sketch;
  EXPECT_EQ(E_FAIL, copy->GetBody(body));
  EXPECT_EQ(E_FAIL, copy->GetSketch(sketch));
  EXPECT_EQ(0, copy->GetLinkedConstraintCount());
}

}  // namespace
