#include "ZALMPXmlReadPaths.h"

#include "ZALMPXmlDeferredEntities.h"
#include "ZALMPXmlDirectBuilder.h"
#include "ZALMPXmlText.h"

#include <string>
#include <vector>

bool ZALMPXmlReadPaths::ReadParsed(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root)
{
  std::string buffer(text);
  auto fresh = std::make_unique<ZALMPXmlReader>(ZALMPXmlReader::NewStorage());
  ZALMPXmlReader::Problem problem;
  if (!ZALMPXmlReader::BuildParsed(buffer, *fresh, problem)) return false;
  root = std::move(fresh);
  return true;
}

bool ZALMPXmlReadPaths::ReadDirect(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root)
{
  const std::string buffer(text);
  auto fresh = std::make_unique<ZALMPXmlReader>(ZALMPXmlReader::NewStorage());
  if (!ZALMPXmlReader::DirectBuilder(buffer).Build(*fresh)) return false;
  root = std::move(fresh);
  return true;
}

bool ZALMPXmlReadPaths::ReadWorldEntityByEntity(std::string_view text, ZALMPXmlModel& model, ZALMPXmlResult& result)
{
  ZALMPXmlText buffer(text);
  return ZALMPXml::ReadEntityByEntity(buffer, model, {}, result);
}

ZALMPXmlResult ZALMPXmlReadPaths::ReadWorldWhole(std::string_view text, ZALMPXmlModel& model)
{
  return ZALMPXml::ReadWhole(text, model, {});
}

bool ZALMPXmlReadPaths::VisitEntityTrees(std::string_view text,
                                         const std::function<void(const ZALMPDeserializer& entity, bool refilled)>& visit)
{
  ZALMPXmlReader::DeferredEntities deferred{ZALMPXmlText(text)};
  ZALMPXmlReader root(ZALMPXmlReader::NewStorage{});
  if (!deferred.Build(root)) return false;
  ZALMPDeserializer* world = nullptr;
  root.GetElement(L"World", world);
  if (!world) return false;
  std::vector<ZALMPDeserializer*> collections;
  std::vector<ZALMPDeserializer*> entities;
  world->GetElements(collections);
  for (const ZALMPDeserializer* collection : collections) {
    entities.clear();
    collection->GetElements(entities);
    std::wstring id;
    std::wstring previous;
    int place = 0;
    for (const ZALMPDeserializer* entity : entities) {
      entity->GetId(id);
      place = id == previous ? place + 1 : 0;
      previous = id;
      const std::size_t refills = deferred.Refills();
      const ZALMPDeserializer* const parent = deferred.Expand(*collection, *entity, place);
      ZALMPDeserializer* content = nullptr;
      if (!parent || FAILED(parent->GetElement(id, content)) || !content) return false;
      visit(*content, deferred.Refills() != refills);
    }
  }
  return deferred.CheckUnread();
}
