// "DUMP_SCENEGRAPH_ONLY" is read once per process, at the first write of a 3D
// representation. This test program writes none before the test sets it, so
// it runs alone in a program of its own rather than behind a seam in the code.

#include "ZALMPShapeStreamBytes.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMP3DRep.h>

#include <ZAL3DBoxRep.h>
#include <ZAL3DVgr.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

TEST(SceneGraphOnly, TheVariableSetAtStartUpWritesTheSceneGraphWithoutColours)
{
  ASSERT_EQ(0, setenv("DUMP_SCENEGRAPH_ONLY", "", 1)) << "set, whatever its value";
  const RVLSharedHandle<ZALMP3DRep> shape = ZALMP3DRep::create(L"Bar");
  ZAL3DBoxRep* const box = ZAL3DBoxRep::CreateRep(1.0, 0.02, 0.01);
  box->SetColour({200, 10, 10, 255});
  shape->Set3DRep(box);
  const std::vector<unsigned char> bytes = StreamBytes(WrittenXml(*shape));
  int settings = 0, flag = -1;
  ASSERT_EQ(S_OK, ZALReadVgrSettings(bytes.data(), static_cast<int>(bytes.size()), settings, flag));
  EXPECT_EQ(71 & ~kZAL3DWriteColours, settings);
  EXPECT_EQ(0, flag);
  const std::unique_ptr<ZAL3DRep, ZAL3DRep::Disposer> read(ZALReadVgr(bytes.data(), static_cast<int>(bytes.size())));
  ASSERT_TRUE(read);
  EXPECT_EQ(ZAL3DColour{}, read->GetColour());
}

}  // namespace
