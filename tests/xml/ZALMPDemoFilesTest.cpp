// The demo world saved in the layout of each format version must give, byte for
// byte, the documents kept beside this test, and read back must write them
// again: a change in how any entity or the world writes or reads itself shows
// here at the first differing line.

#include "ZALMPDemoMechanism.h"
#include <ZALMPEntityKinds.h>

#include <ZALMPBody.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <RVLBasicWorld.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathTransformation.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

TEST(DemoFiles, EveryVersionWritesTheKeptDocument)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Demo");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  ASSERT_EQ(S_OK, ZALMPDemoMechanism::Build(world));
  // Beyond the demo: a displacement sensor on the last body, linked both ways,
  // that body out of the world, and the last entity of each kind switched off,
  // so that every layout writes these too.
  RVLSharedHandle<ZALMPBody> rocker;
  ASSERT_EQ(S_OK, world->Get<ZALMPBody>(world->Count<ZALMPBody>() - 1, rocker));
  const RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"RockerTravel");
  sensor->SetBody(rocker);
  sensor->SetDisplacement(ZALMathTransformation(ZALMath3x3Matrix(), ZALMathVector(0.25, -0.5, 0.125)));
  rocker->SetDisplacementSensor(sensor);
  rocker->SetOutOfWorld(true);
  ASSERT_EQ(S_OK, world->Add<ZALMPSensor>(sensor));
  ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
    RVLSharedHandle<Kind> last;
    if (world->Get<Kind>(world->Count<Kind>() - 1, last) == S_OK) last->Deactivate();
  });

  // Identifiers fixed before anything asks for one, so the documents do not
  // depend on generated UUIDs: numbered kind by kind, the kinds taken by name.
  std::map<std::string_view, std::vector<RVLSharedHandle<ZALMPEntity>>> byKind;
  ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
    for (int i = 0; i < world->Count<Kind>(); ++i) {
      RVLSharedHandle<Kind> entity;
      ASSERT_EQ(S_OK, world->Get<Kind>(i, entity));
      byKind[ZALMPKindName<Kind>()].push_back(entity);
    }
  });
  // Zero-padded, so that a world read back (filed in identifier order) lists
  // its entities in the order of the one written.
  int next = 0;
  for (const auto& [kind, entities] : byKind)
    for (const RVLSharedHandle<ZALMPEntity>& entity : entities) {
      wchar_t id[8];
      std::swprintf(id, 8, L"e%03d", next++);
      ASSERT_EQ(S_OK, entity->SetIdentifier(id));
    }

  const std::filesystem::path data = std::filesystem::path(ZALMP_TEST_DATA_DIR);
  for (const std::wstring_view version : ZALMPVersion::kAll) {
    const std::string name = "demo-" + std::string(version.begin(), version.end()) + ".xml";
    std::string written;
    ASSERT_TRUE(ZALMPXml::Write(*world, written, version)) << name;
    std::ifstream in(data / name, std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (written != kept) std::ofstream(name + ".actual", std::ios::binary) << written;
    const auto differ = std::mismatch(kept.begin(), kept.end(), written.begin(), written.end()).first;
    EXPECT_TRUE(written == kept) << name << " differs from the kept document at line "
                                 << 1 + std::count(kept.begin(), differ, '\n') << "; the written one is in "
                                 << std::filesystem::absolute(name + ".actual");

    // and what is read back from it writes the same bytes again
    ZALMPXmlModel model;
    ASSERT_TRUE(ZALMPXml::Read(written, model).Ok()) << name;
    EXPECT_TRUE(model.warnings.empty()) << name;
    std::string rewritten;
    ASSERT_TRUE(ZALMPXml::Write(*model.world, rewritten, version)) << name;
    EXPECT_TRUE(rewritten == written) << name << " read back writes other bytes";
  }

  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
}

}  // namespace
