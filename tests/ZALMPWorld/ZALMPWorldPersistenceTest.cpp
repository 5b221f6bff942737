// The frame of a saved world as it is read: the registries the read entities
// are filed in and their order, and how partial settings are read. What it
// writes, the collections and their order, is pinned by the kept documents of
// the kind conformance test.

#include "ZALMPTestSupport.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The names of the entities of one kind, in registry order.
template <class Kind>
std::vector<std::wstring> Names(const ZALMPWorld& world)
{
  std::vector<std::wstring> names;
  for (int index = 0; index < world.Count<Kind>(); ++index) {
    RVLSharedHandle<Kind> entity;
    world.Get<Kind>(index, entity);
    names.push_back(entity->getEntityName());
  }
  return names;
}

using WorldPersistence = WorldFixture;

// The reader files every kind through one pass (which kind files where is
// pinned by the kept documents of the kind conformance test); here the order:
// bodies, whose registry holds a global, and values, whose does not.
TEST_F(WorldPersistence, ReadEntitiesAreFiledInIdentifierOrderBeforeTheGlobals)
{
  for (const char* id : {"e", "c", "a", "d", "b"}) {
    const std::wstring name(id, id + 1);
    const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(name);
    const RVLSharedHandle<ZALMPConstant> value = ZALMPConstant::create(name);
    // identifiers alike far into them, and short ones
    body->SetIdentifier(L"body of the chain, " + name);
    value->SetIdentifier(L"v" + name);
    world->Add<ZALMPBody>(body);
    world->Add<ZALMPValue>(value);
  }
  std::string saved;
  ASSERT_TRUE(ZALMPXml::Write(*world, saved).Ok());
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(saved, model).Ok());
  EXPECT_TRUE(model.warnings.empty()) << model.warnings.size() << " warnings";
  // The world's global body, with its generated identifier "id...", comes after.
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"c", L"d", L"e", L"GlobalBody"}), Names<ZALMPBody>(*model.world));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"c", L"d", L"e"}), Names<ZALMPValue>(*model.world));
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
