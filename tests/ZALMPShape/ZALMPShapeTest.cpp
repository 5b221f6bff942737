// Shapes and planar shapes: the bodies they belong to, and how they leave
// them. The shape part is pinned by the kept documents of the kind
// conformance test; orphaning, which asks each partner of a link row in turn,
// is the link table's, checked with the joints.

#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody2D.h>
#include <ZALMPShape.h>
#include <ZALMPShape2D.h>

#include <gtest/gtest.h>

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

// A planar shape's table has only its planar bodies: the bodies in space it
// also holds take no part when it is orphaned.
TEST(ShapeOrphaning, APlanarShapeAsksItsPlanarBodiesOnly)
{
  ReportCapture reports;
  RVLSharedHandle<TestShape2D> planar = TestShape2D::create(L"profile");
  const RVLSharedHandle<TestShape2D> kept = planar;
  const RVLSharedHandle<ZALMPBody2D> first = ZALMPBody2D::create(L"first"), second = ZALMPBody2D::create(L"second");
  const RVLSharedHandle<ZALMPBody> inSpace = ZALMPBody::create(L"in space");
  for (const RVLSharedHandle<ZALMPBody2D>& body : {first, second}) {
    planar->LinkToBody(body);
    body->LinkToShape(planar);
  }
  static_cast<ZALMPShape&>(*planar).LinkToBody(inSpace);
  inSpace->LinkToShape(planar);
  TestShape2D::destroy(planar);
  EXPECT_EQ(0, first->GetLinkedShapeCount() + second->GetLinkedShapeCount());
  EXPECT_EQ(0, kept->GetLinkedBodyCount());
  EXPECT_EQ(1, inSpace->GetLinkedShapeCount()) << "not asked";
  EXPECT_EQ(0, reports.Count());
  inSpace->RemoveShape(kept);
  static_cast<ZALMPShape&>(*kept).RemoveBody(inSpace);
}

}  // namespace
