#include "ZALMPBodyTestDoubles.h"
#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALMPDisplacementSensor.h>
#include <ZALMPPoint.h>
#include <ZALMPVersion.h>

#include <RVLBasicBody3D.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace {

const ZALMathTransformation kPlacement(ZALMath3x3Matrix({0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), ZALMathVector(1, -2, 0.5));

std::string Document(const ZALMPBody& body, std::wstring_view version = ZALMPVersion::kNewest)
{
  ZALMPXmlWriter root;
  root.SetVersion(version);
  EXPECT_EQ(S_OK, body.Serialize(&root));
  return ZALMPXmlCodec::Write(root);
}

std::unique_ptr<ZALMPXmlReader> Tree(const std::string& document)
{
  std::unique_ptr<ZALMPXmlReader> tree;
  EXPECT_TRUE(ZALMPXmlCodec::Read(document, tree).Ok());
  return tree;
}

ZALMPIdentifierMap MapOf(std::initializer_list<RVLSharedHandle<ZALMPEntity>> entities)
{
  ZALMPIdentifierMap ids;
  for (const RVLSharedHandle<ZALMPEntity>& entity : entities) {
    std::wstring id;
    entity->GetIdentifier(id);
    ids[id] = entity;
  }
  return ids;
}

TEST(BodyPersistence, RoundTripsStateAndReferencesAtTheNewestVersion)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody> source = ZALMPBody::create(L"Crank");
  source->SetPosition(kPlacement, 1);
  source->SetVelocity(ZALMathVector(1, 0, -2), ZALMathVector(0, 0, 0.5));
  source->SetAcceleration(ZALMathVector(3, 0, 0), ZALMathVector(0, -4, 0));
  source->SetMass(2.5);
  source->SetCenterOfGravity(ZALMathPoint(0.25, 0, 1));
  source->SetInertiaMatrix(ZALMath3x3Matrix({4, 0.5, 0}, {0.5, 5, 0}, {0, 0, 6}));
  source->Fix();
  source->SetOutOfWorld(true);
  const auto first = TestJoint::create(L"first");
  const auto second = TestJoint::create(L"second");
  const auto shape = TestShape::create(L"shape");
  const auto connector = TestConnector::create(L"spring");
  const auto point = ZALMPPoint::create(L"point");
  const auto unknown = ZALMPPoint::create(L"not in the map");
  const auto sensor = ZALMPDisplacementSensor::create(L"sensor");
  const auto child = ZALMPBody::create(L"child");
  source->LinkToJoint(first);
  source->LinkToJoint(second);
  source->LinkToShape(shape);
  source->LinkToConnector(connector);
  source->AddGeometry(unknown);
  source->AddGeometry(point);
  source->SetDisplacementSensor(sensor);
  source->AddImpactedChildBody(child);
  const auto tree = Tree(Document(*source));

  // A bound host body follows the placement read.
  RVLSharedHandle<ZALMPBody> read = ZALMPBody::create();
  RVLSharedHandle<RVLBasicBody3D> host = RVLBasicBody3D::create(L"host");
  read->SetWDMBody(host);
  ASSERT_EQ(S_OK, read->Deserialize(tree.get(), MapOf({first, second, shape, connector, point, sensor, child})));
  ZALMathTransformation placement;
  host->GetPosition(placement);
  EXPECT_EQ(kPlacement, placement);
  ZALMathVector linear, angular;
  EXPECT_EQ(S_OK, read->GetVelocity(linear, angular)) << "a stored moving velocity is known";

  // Written again, the body read gives the same document, less the reference
  // that the map did not hold.
  source->RemoveGeometry(unknown);
  EXPECT_EQ(Document(*source), Document(*read));
  EXPECT_EQ(2, read->GetLinkedJointCount());
  EXPECT_EQ(0, reports.Count());
  ZALMPBody::destroy(source);
  ZALMPBody::destroy(read);
  RVLBasicBody3D::destroy(host);
}

TEST(BodyPersistence, OlderVersionsHaveNoOutOfWorldAndReadingIsStrictWhereItMustBe)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody> source = ZALMPBody::create(L"Crank");
  source->SetOutOfWorld(true);
  source->SetVelocity(ZALMathVector(-1, 0, 0), ZALMathVector());
  source->Fix();
  std::string document = Document(*source, ZALMPVersion::kR2015x_0);
  EXPECT_EQ(std::string::npos, document.find("OutOfWorld"));
  const std::size_t at = document.find("is_fixed=\"yes\"");
  ASSERT_NE(std::string::npos, at);
  document.replace(at, 14, "is_fixed=\"YES\"");

  RVLSharedHandle<ZALMPBody> read = ZALMPBody::create();
  read->Fix();
  EXPECT_EQ(S_OK, read->Deserialize(Tree(document).get(), {}));
  bool outOfWorld = true;
  read->IsOutOfWorld(outOfWorld);
  EXPECT_FALSE(outOfWorld);
  EXPECT_FALSE(read->IsFixed()) << "only the exact text yes fixes";
  ZALMathVector linear, angular;
  EXPECT_EQ(E_FAIL, read->GetVelocity(linear, angular)) << "no component above zero: not known";
  EXPECT_EQ(0, reports.Count());

  ZALMPXmlWriter empty;
  EXPECT_EQ(E_FAIL, read->Deserialize(ReadBack(empty).get(), {})) << "no Body element";
  EXPECT_EQ(E_FAIL, read->Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, read->Serialize(nullptr));
  EXPECT_EQ(3, reports.Count());
  ZALMPBody::destroy(source);
  ZALMPBody::destroy(read);
}

}  // namespace
