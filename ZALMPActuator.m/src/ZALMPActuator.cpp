#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPActuator"
#include <ZALMPAssertionReport.h>

#include <ZALMPActuator.h>

ZALMP_DEFINE_CLASS(ZALMPActuator, ZALMPEntity);

ZALMPActuator::ZALMPActuator() = default;

ZALMPActuator::ZALMPActuator(const ZALMPActuator& source) : ZALMPEntity(source) {}

ZALMPActuator::~ZALMPActuator() = default;

HRESULT ZALMPActuator::Serialize(ZALMPSerializer* element) const
{
  return SerializeLinked(element, std::initializer_list<const ZALMPLink*>{}, ZALMP_HERE);
}

HRESULT ZALMPActuator::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return DeserializeLinked(element, ids, std::initializer_list<const ZALMPLink*>{}, ZALMP_HERE);
}
