#include <ZALMPActuator.h>

ZALMP_DEFINE_CLASS(ZALMPActuator, ZALMPEntity);

ZALMPActuator::ZALMPActuator() = default;

ZALMPActuator::ZALMPActuator(const ZALMPActuator& source) : ZALMPEntity(source) {}

ZALMPActuator::~ZALMPActuator() = default;
