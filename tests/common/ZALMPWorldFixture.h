#pragma once
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

/// A library world in its host world; both go after the test.
class WorldFixture : public ::testing::Test {
protected:
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  void TearDown() override
  {
    ZALMPWorld::destroy(world);
    RVLBasicWorld::destroy(host);
  }
};
