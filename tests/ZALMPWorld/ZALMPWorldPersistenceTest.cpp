// The frame of a saved world: the collections it writes and their order, the
// registries the read entities are filed in and their order, and how partial
// settings are read.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// Calls `visit(kind, concrete kind, collection name)` for each of the fourteen
// kinds, in the order a saved world holds their collections.
template <class Visit>
void ForEachCollection(Visit&& visit)
{
  using std::type_identity;
  visit(type_identity<ZALMPBody>{}, type_identity<ZALMPBody>{}, "Bodies");
  visit(type_identity<ZALMPShape>{}, type_identity<TestShape>{}, "Shapes");
  visit(type_identity<ZALMPJoint>{}, type_identity<TestJoint>{}, "Joints");
  visit(type_identity<ZALMPConstraint>{}, type_identity<TestConstraint>{}, "Constraints");
  visit(type_identity<ZALMPGeometry>{}, type_identity<ZALMPPoint>{}, "Geometries");
  visit(type_identity<ZALMPVariable>{}, type_identity<ZALMPVariable>{}, "Variables");
  visit(type_identity<ZALMPValue>{}, type_identity<ZALMPConstant>{}, "Values");
  visit(type_identity<ZALMPActuator>{}, type_identity<TestActuator>{}, "Actuators");
  visit(type_identity<ZALMPSensor>{}, type_identity<ZALMPDisplacementSensor>{}, "Sensors");
  visit(type_identity<ZALMPMaterial>{}, type_identity<TestMaterial>{}, "Materials");
  visit(type_identity<ZALMPConnector>{}, type_identity<TestConnector>{}, "Connectors");
  visit(type_identity<ZALMPInteraction>{}, type_identity<TestInteraction>{}, "Interactions");
  visit(type_identity<ZALMPAttribute>{}, type_identity<TestAttribute>{}, "Attributes");
  visit(type_identity<ZALMPSupport>{}, type_identity<TestSupport>{}, "Supports");
}

// The ids of the elements directly under "World", in document order.
std::vector<std::string> WorldParts(const std::string& text)
{
  static const std::regex part("\n    <([A-Za-z]+)");
  std::vector<std::string> parts;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), part); it != std::sregex_iterator(); ++it)
    parts.push_back((*it)[1].str());
  return parts;
}

class WorldPersistence : public ::testing::Test {
protected:
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  void TearDown() override
  {
    ZALMPWorld::destroy(world);
    RVLBasicWorld::destroy(host);
  }

  std::string Saved() const
  {
    std::string text;
    EXPECT_TRUE(ZALMPXml::Write(*world, text).Ok());
    return text;
  }
};

// What a saved world omits when a collection is empty is pinned by the kept
// documents; every kind, Materials and Supports included, is here.
TEST_F(WorldPersistence, CollectionsComeInTheirFixedOrderAndAreFiledByKindInIdentifierOrder)
{
  // Two entities of each kind, the second with the smaller identifier.
  std::vector<std::string> expected = {"Origin", "Size", "Gravity", "Globals"};
  ForEachCollection(
      [&]<class Kind, class Concrete>(std::type_identity<Kind>, std::type_identity<Concrete>, const char* collection) {
        for (const wchar_t* name : {L"first", L"second"}) {
          const RVLSharedHandle<Concrete> entity = Concrete::create(name);
          const std::string id = std::string(name == std::wstring(L"first") ? "b" : "a") + collection;
          entity->SetIdentifier(std::wstring(id.begin(), id.end()));
          world->Add<Kind>(entity);
        }
        expected.push_back(collection);
      });
  const std::string saved = Saved();
  EXPECT_EQ(expected, WorldParts(saved));

  ReportCapture reports;
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(saved, model).Ok());
  EXPECT_TRUE(model.warnings.empty()) << model.warnings.size() << " warnings";
  ForEachCollection(
      [&]<class Kind, class Concrete>(std::type_identity<Kind>, std::type_identity<Concrete>, const char* collection) {
        SCOPED_TRACE(collection);
        // The world's globals, with their generated identifiers "id...", come after.
        const bool holdsAGlobal = std::is_same_v<Kind, ZALMPBody> || std::is_same_v<Kind, ZALMPGeometry> ||
                                  std::is_same_v<Kind, ZALMPVariable>;
        EXPECT_EQ(holdsAGlobal ? 3 : 2, model.world->Count<Kind>());
        RVLSharedHandle<Kind> filed;
        ASSERT_EQ(S_OK, model.world->Get<Kind>(0, filed));
        EXPECT_EQ(L"second", filed->getEntityName());
        EXPECT_TRUE(filed->getClassInfo().isInstanceOf(Concrete::ClassInfo()));
        ASSERT_EQ(S_OK, model.world->Get<Kind>(1, filed));
        EXPECT_EQ(L"first", filed->getEntityName());
      });
}

TEST_F(WorldPersistence, SettingsReadOnlyWhatIsThereSizeComponentByComponent)
{
  world->SetLinearTolerance(0.5);
  world->SetAngularTolerance(0.25);
  world->SetOrigin(ZALMathPoint(1, 2, 3));
  world->SetSize(4, 5, 6);
  world->SetGravity(ZALMathVector(7, 8, 9));
  auto read = [&](const std::string& frame) {
    std::unique_ptr<ZALMPXmlReader> document;
    ASSERT_TRUE(ZALMPXmlCodec::Read("<Doc>" + frame + "</Doc>", document).Ok());
    EXPECT_EQ(S_OK, world->Deserialize(document.get()));
  };
  auto settings = [&] {
    ZALMathPoint origin;
    ZALMathVector gravity;
    double x = 0, y = 0, z = 0;
    world->GetOrigin(origin);
    world->GetGravity(gravity);
    world->GetSize(x, y, z);
    return std::vector<double>{world->GetLinearTolerance(), world->GetAngularTolerance(), origin.GetX(), origin.GetY(),
                               origin.GetZ(), x, y, z, gravity.GetX(), gravity.GetY(), gravity.GetZ()};
  };

  ReportCapture reports;
  read("<World/>");
  EXPECT_EQ((std::vector<double>{0.5, 0.25, 1, 2, 3, 4, 5, 6, 7, 8, 9}), settings()) << "nothing there, nothing read";
  EXPECT_EQ(0, reports.Count()) << "absent settings are no problem";

  // A missing component of the origin or gravity reads as 0; of the size it keeps its value.
  read(
      "<World linear_tolerance=\"0.125\"><Origin><Oy>20</Oy></Origin><Size><SizeY>50</SizeY></Size>"
      "<Gravity><Gz>90</Gz></Gravity></World>");
  EXPECT_EQ((std::vector<double>{0.125, 0.25, 0, 20, 0, 4, 50, 6, 0, 0, 90}), settings());
  read(
      "<World angular_tolerance=\"0.0625\"><Origin/><Size><SizeX>40</SizeX><SizeZ>60</SizeZ></Size><Gravity/></World>");
  EXPECT_EQ((std::vector<double>{0.125, 0.0625, 0, 0, 0, 40, 50, 60, 0, 0, 0}), settings());
}

}  // namespace
