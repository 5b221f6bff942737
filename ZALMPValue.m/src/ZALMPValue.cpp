#include <ZALMPValue.h>

ZALMP_DEFINE_CLASS(ZALMPValue, ZALMPEntity);

ZALMPValue::ZALMPValue() = default;

ZALMPValue::ZALMPValue(const ZALMPValue& source) : ZALMPEntity(source) {}

ZALMPValue::~ZALMPValue() = default;
