#include "ZALMPCoordinates.h"

namespace {
constexpr std::wstring_view kCoordinates = L"Coordinates";
}  // namespace

ZALMPFieldWriter ZALMPCoordinates::Begin(const ZALMPGeometry& kind, ZALMPSerializer* parent,
                                         ZALMPSourceLocation where)
{
  const ZALMPFieldWriter element = ZALMPFieldWriter::Begin<ZALMPGeometry>(kind, parent, where);
  return element ? element.Group(kCoordinates) : element;
}

ZALMPFieldReader ZALMPCoordinates::Begin(ZALMPGeometry& kind, const ZALMPDeserializer* parent,
                                         const ZALMPIdentifierMap& ids, ZALMPSourceLocation where)
{
  const ZALMPFieldReader element = ZALMPFieldReader::Begin<ZALMPGeometry>(kind, parent, ids, where);
  return element ? element.Group(kCoordinates) : element;
}
