// A planar four-bar: four planar bodies in one sketch, hinged where they meet
// by four planar joints, each realised by a coincidence of two planar points.
// It is saved, read and saved again unchanged at every format version, the
// model check finds nothing wrong with it, and a filtered copy keeps a bar
// with its shape; the check also finds every planar link leading out of a world.
// That the planar links of every kind come back at every version is the kind
// conformance test's.

#include "ZALMPModelChecker.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody2D.h>
#include <ZALMPCoincidence.h>
#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPEntityKinds.h>
#include <ZALMPPoint2D.h>
#include <ZALMPSketch.h>
#include <ZALMPUserDefined2D.h>
#include <ZALMPVersion.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

#include <array>
#include <cwchar>
#include <string>
#include <vector>

namespace {

class PlanarFourBar : public ::testing::Test {
protected:
  // A bar of `length` placed by `placement`, with its two ends as points.
  struct Bar {
    RVLSharedHandle<ZALMPBody2D> body;
    std::array<RVLSharedHandle<ZALMPPoint2D>, 2> ends;
  };

  void SetUp() override
  {
    model.hostWorld = RVLBasicWorld::create(L"FourBar");
    model.world = ZALMPWorld::create(model.hostWorld);
    sketch = ZALMPSketch::create(L"Plane");
    File<ZALMPGeometry>(sketch);
    const ZALMath2x2Matrix quarterTurn({0, 1}, {-1, 0});
    ground = MakeBar(L"Ground", 3, ZALMathTransformation2D());
    crank = MakeBar(L"Crank", 1, ZALMathTransformation2D(quarterTurn));
    coupler = MakeBar(L"Coupler", 3, ZALMathTransformation2D(ZALMath2x2Matrix(), {0, 1}));
    rocker = MakeBar(L"Rocker", 1, ZALMathTransformation2D(quarterTurn, {3, 0}));
    ground.body->Fix2D();
    Hinge(L"A", ground, 0, crank, 0);
    Hinge(L"B", crank, 1, coupler, 0);
    Hinge(L"C", coupler, 1, rocker, 1);
    Hinge(L"D", rocker, 0, ground, 1);

    outline = TestShape2D::create(L"CouplerOutline");
    outline->LinkToBody(coupler.body);
    coupler.body->LinkToShape(outline);
    File<ZALMPShape>(outline);
    NumberInRegistryOrder();
  }

  // Identifiers in registry order, so that a world read back (filed in
  // identifier order) lists its entities as this one does.
  void NumberInRegistryOrder()
  {
    int next = 0;
    ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
      for (int i = 0; i < model.world->Count<Kind>(); ++i) {
        RVLSharedHandle<Kind> entity;
        model.world->Get<Kind>(i, entity);
        wchar_t id[8];
        std::swprintf(id, 8, L"p%03d", next++);
        ASSERT_EQ(S_OK, entity->SetIdentifier(id));
      }
    });
  }

  Bar MakeBar(const wchar_t* name, double length, const ZALMathTransformation2D& placement)
  {
    Bar bar{ZALMPBody2D::create(name), {}};
    bar.body->SetSketch(sketch);
    bar.body->SetPosition(placement);
    bar.body->SetMass(length);
    File<ZALMPBody>(bar.body);
    for (int end = 0; end < 2; ++end) {
      bar.ends[end] = ZALMPPoint2D::create(std::wstring(name) + (end ? L"End" : L"Start"));
      bar.ends[end]->SetPoint({end * length, 0});
      bar.ends[end]->SetSketch(sketch);
      bar.ends[end]->SetBody(bar.body);
      bar.body->AddGeometry(bar.ends[end]);
      File<ZALMPGeometry>(bar.ends[end]);
    }
    return bar;
  }

  // A planar joint named `name` from `out` to `in`, realised by the
  // coincidence of their ends `outEnd` and `inEnd`.
  void Hinge(const std::wstring& name, const Bar& out, int outEnd, const Bar& in, int inEnd)
  {
    const RVLSharedHandle<ZALMPUserDefined2D> joint = ZALMPUserDefined2D::create(name);
    const RVLSharedHandle<ZALMPCoincidence> pin = ZALMPCoincidence::create(name + L"Pin");
    joint->LinkToBody(out.body, ZALMPBodyOrientation::Out);
    joint->LinkToBody(in.body, ZALMPBodyOrientation::In);
    out.body->LinkToJoint(joint);
    in.body->LinkToJoint(joint);
    joint->AddConstraint(pin);
    pin->SetJoint(joint);
    for (const RVLSharedHandle<ZALMPPoint2D>& end : {out.ends[outEnd], in.ends[inEnd]}) {
      pin->LinkToGeometry(end);
      end->LinkToConstraint(pin);
    }
    File<ZALMPJoint>(joint);
    File<ZALMPConstraint>(pin);
  }

  template <class Kind>
  void File(const RVLSharedHandle<Kind>& entity)
  {
    ASSERT_EQ(S_OK, model.world->Add<Kind>(entity));
  }

  ZALMPXmlModel model;  // owns the world, as a model read from a file does
  RVLSharedHandle<ZALMPSketch> sketch;
  Bar ground, crank, coupler, rocker;
  RVLSharedHandle<TestShape2D> outline;
};

TEST_F(PlanarFourBar, SavedReadAndSavedAgainIsTheSameDocumentAtEveryVersionAndChecksClean)
{
  EXPECT_EQ(std::vector<std::string>(), ZALMPModelChecker::Problems(model));
  for (const std::wstring_view version : ZALMPVersion::kAll) {
    const std::string name(version.begin(), version.end());
    std::string written;
    ASSERT_TRUE(ZALMPXml::Write(*model.world, written, version).Ok()) << name;
    ZALMPXmlModel read;
    ASSERT_TRUE(ZALMPXml::Read(written, read).Ok()) << name;
    EXPECT_TRUE(read.warnings.empty()) << name;
    std::string again;
    ASSERT_TRUE(ZALMPXml::Write(*read.world, again, version).Ok()) << name;
    EXPECT_TRUE(written == again) << name << " reads back into another document";
    EXPECT_EQ(std::vector<std::string>(), ZALMPModelChecker::Problems(read)) << name;
    EXPECT_EQ(5, read.world->Count<ZALMPBody>()) << name << ": the global body and four bars";
    EXPECT_EQ(4, read.world->Count<ZALMPJoint>()) << name;
  }
}

TEST_F(PlanarFourBar, AFilteredCopyOfABodyAndItsShapeLinksTheCopiesToEachOther)
{
  RVLSharedHandle<ZALMPWorld> copy = model.world->CloneWithFilter({coupler.body, outline});
  ASSERT_TRUE(copy);
  ASSERT_EQ(2, copy->Count<ZALMPBody>()) << "its own global body and the one listed";
  RVLSharedHandle<ZALMPBody> copiedBody;
  RVLSharedHandle<ZALMPShape> copiedShape;
  copy->Get<ZALMPBody>(1, copiedBody);
  copy->Get<ZALMPShape>(0, copiedShape);
  const RVLSharedHandle<ZALMPBody2D> bar(copiedBody);
  const RVLSharedHandle<ZALMPShape2D> shape(copiedShape);
  RVLSharedHandle<ZALMPShape2D> linkedShape;
  RVLSharedHandle<ZALMPBody2D> linkedBody;
  ASSERT_EQ(S_OK, bar->GetLinkedShape(0, linkedShape));
  EXPECT_TRUE(linkedShape == shape);
  ASSERT_EQ(S_OK, shape->GetLinkedBody(0, linkedBody));
  EXPECT_TRUE(linkedBody == bar);
  EXPECT_EQ(0, bar->GetLinkedJointCount() + bar->GetGeometryCount()) << "links leaving the list are dropped";
  ZALMPWorld::destroy(copy);
}

// The check walks each kind's link table (DemoMechanism): here a planar body's
// lists, its single links (the sketch, which is never asked, included), and a
// planar body named as one ("body 2D") where a planar joint refers to it.
TEST(PlanarModelCheck, FindsEveryPlanarLinkLeadingOutOfTheWorld)
{
  ZALMPXmlModel model;
  model.hostWorld = RVLBasicWorld::create(L"Loose");
  model.world = ZALMPWorld::create(model.hostWorld);
  const RVLSharedHandle<ZALMPBody2D> lonely = ZALMPBody2D::create(L"Lonely");
  lonely->AddGeometry(ZALMPPoint2D::create(L"Pin"));
  lonely->SetSketch(ZALMPSketch::create(L"Plane"));
  lonely->SetDisplacementSensor(ZALMPDisplacementSensor2D::create(L"Gauge"));
  const RVLSharedHandle<ZALMPUserDefined2D> pivot = ZALMPUserDefined2D::create(L"Pivot");
  pivot->LinkToBody(ZALMPBody2D::create(L"Loose"), ZALMPBodyOrientation::In);
  model.world->Add<ZALMPBody>(lonely);
  model.world->Add<ZALMPJoint>(pivot);

  const std::vector<std::string> expected = {
      "dangling  ZALMPBody2D \"Lonely\": geometry \"Pin\" is not filed in the Geometry registry",
      "dangling  ZALMPBody2D \"Lonely\": sketch \"Plane\" is not filed in the Geometry registry",
      "dangling  ZALMPBody2D \"Lonely\": displacement sensor \"Gauge\" is not filed in the Sensor registry",
      "dangling  ZALMPUserDefined2D \"Pivot\": body 2D \"Loose\" is not filed in the Body registry"};
  EXPECT_EQ(expected, ZALMPModelChecker::Problems(model));
}

}  // namespace
