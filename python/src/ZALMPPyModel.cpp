#include "ZALMPPyModel.h"

#include <utility>

ZALMPPyModel::ZALMPPyModel(RVLSharedHandle<RVLBasicWorld> hostWorld, RVLSharedHandle<ZALMPWorld> world)
    : m_hostWorld(std::move(hostWorld)), m_world(std::move(world))
{
}

ZALMPPyModel::~ZALMPPyModel()
{
  ZALMPWorld::destroy(m_world);
  if (m_hostWorld) RVLBasicWorld::destroy(m_hostWorld);
}

std::shared_ptr<ZALMPPyModel> ZALMPPyModel::MakeEmpty()
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  return std::make_shared<ZALMPPyModel>(std::move(host), std::move(world));
}
