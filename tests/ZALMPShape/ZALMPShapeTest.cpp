// Shapes and planar shapes: the bodies they belong to, the shape part they
// write, and how they leave their bodies. That the shape part comes back in a
// saved world is pinned by the kind conformance test.

#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody2D.h>
#include <ZALMPShape.h>
#include <ZALMPShape2D.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A shape with nothing of its own, written in an element of its class.
class PlainShape : public ZALMPShape {
  ZALMP_TEST_KIND(PlainShape, ZALMPShape);
};

}  // namespace

ZALMP_DEFINE_CLASS_WITH_ID(PlainShape, ZALMPShape, "0E0E0E0E-0000-4000-8000-0000000000E0", nullptr);

namespace {

TEST(ShapeLinks, BodiesAreLinkedOnceInOrderAndPlanarShapesCountTheirPlanarBodies)
{
  const RVLSharedHandle<PlainShape> shape = PlainShape::create(L"outline");
  ExpectLinkListBehaviour<ZALMPShape, ZALMPBody>(
      *shape, &ZALMPShape::LinkToBody, &ZALMPShape::RemoveBody, &ZALMPShape::GetLinkedBodyCount,
      &ZALMPShape::GetLinkedBody, [](const wchar_t* name) { return ZALMPBody::create(name); },
      "ZALMPShape.m/src/ZALMPShape");
  const RVLSharedHandle<TestShape2D> planar = TestShape2D::create(L"profile");
  ExpectLinkListBehaviour<ZALMPShape2D, ZALMPBody2D>(
      *planar, &ZALMPShape2D::LinkToBody, &ZALMPShape2D::RemoveBody, &ZALMPShape2D::GetLinkedBodyCount,
      &ZALMPShape2D::GetLinkedBody, [](const wchar_t* name) { return ZALMPBody2D::create(name); },
      "ZALMPShape.m/src/ZALMPShape2D");
  const ZALMPShape& asShape = *planar;
  EXPECT_EQ(2, asShape.GetLinkedBodyCount()) << "a planar shape counts its planar bodies";
}

TEST(ShapeOrphaning, AsksEachBodyInTurnAndStopsAtOneNoLongerAlive)
{
  ReportCapture reports;
  RVLSharedHandle<PlainShape> shape = PlainShape::create(L"outline");
  const RVLSharedHandle<PlainShape> kept = shape;
  RVLSharedHandle<ZALMPBody> gone = ZALMPBody::create(L"gone");
  const RVLSharedHandle<ZALMPBody> goneKept = gone, after = ZALMPBody::create(L"after");
  shape->LinkToBody(gone);
  shape->LinkToBody(after);
  after->LinkToShape(shape);
  ZALMPBody::destroy(gone);
  PlainShape::destroy(shape);
  EXPECT_EQ(1, reports.Count()) << "the body no longer alive";
  EXPECT_EQ(1, after->GetLinkedShapeCount()) << "a body after it is not asked";
  EXPECT_EQ(0, kept->GetLinkedBodyCount()) << "the list is emptied all the same";
  after->RemoveShape(kept);

  RVLSharedHandle<TestShape2D> planar = TestShape2D::create(L"profile");
  const RVLSharedHandle<ZALMPBody2D> first = ZALMPBody2D::create(L"first"), second = ZALMPBody2D::create(L"second");
  for (const RVLSharedHandle<ZALMPBody2D>& body : {first, second}) {
    planar->LinkToBody(body);
    body->LinkToShape(planar);
  }
  static_cast<ZALMPShape&>(*planar).LinkToBody(after);
  after->LinkToShape(planar);
  TestShape2D::destroy(planar);
  EXPECT_EQ(0, first->GetLinkedShapeCount() + second->GetLinkedShapeCount());
  EXPECT_EQ(1, after->GetLinkedShapeCount()) << "a planar shape's bodies in space take no part";
  EXPECT_EQ(1, reports.Count());
  RVLSharedHandle<ZALMPShape> held;
  after->GetLinkedShape(0, held);
  after->RemoveShape(held);
  held->RemoveBody(after);
}

// The shape part, written into the element the kind made: the common part,
// then the bodies only when there are some.
TEST(ShapePersistence, ThePartWritesItsBodiesOnlyWhenLinkedAndReadsThemThroughTheMap)
{
  ReportCapture reports;
  HRESULT written = E_FAIL;
  const RVLSharedHandle<PlainShape> bare = PlainShape::create(L"bare");
  const std::string none = WriteXml(*bare, ZALMPVersion::kNewest, written);
  EXPECT_EQ(S_OK, written);
  EXPECT_EQ(std::string::npos, none.find("<Bodies")) << none;

  const RVLSharedHandle<ZALMPBody> first = ZALMPBody::create(L"first"), second = ZALMPBody::create(L"second");
  bare->LinkToBody(first);
  bare->LinkToBody(second);
  const std::string two = WriteXml(*bare, ZALMPVersion::kNewest, written);
  const RVLSharedHandle<PlainShape> read = PlainShape::create();
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(two).get(), IdsOf({second})));
  RVLSharedHandle<ZALMPBody> got;
  ASSERT_EQ(1, read->GetLinkedBodyCount()) << "an identifier not in the map is passed over";
  read->GetLinkedBody(0, got);
  EXPECT_TRUE(got == second);

  const RVLSharedHandle<TestShape2D> planar = TestShape2D::create(L"profile");
  const RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"crank");
  planar->LinkToBody(body);
  const std::string planarText = WriteXml(*planar, ZALMPVersion::kNewest, written);
  EXPECT_NE(std::string::npos, planarText.find("<Body2D id=")) << planarText;
  const RVLSharedHandle<TestShape2D> planarRead = TestShape2D::create();
  EXPECT_EQ(S_OK, planarRead->Deserialize(ReadXml(planarText).get(), IdsOf({body})));
  EXPECT_EQ(1, planarRead->GetLinkedBodyCount());
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
