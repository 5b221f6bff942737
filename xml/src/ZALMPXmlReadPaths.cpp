#include "ZALMPXmlReadPaths.h"

#include "ZALMPXmlDirectBuilder.h"

#include <string>

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
  std::string buffer(text);
  return ZALMPXml::ReadEntityByEntity(buffer, model, {}, result);
}

ZALMPXmlResult ZALMPXmlReadPaths::ReadWorldWhole(std::string_view text, ZALMPXmlModel& model)
{
  return ZALMPXml::ReadWhole(std::string(text), model, {});
}
