#include <ZALMPAttribute.h>

ZALMP_DEFINE_CLASS(ZALMPAttribute, ZALMPEntity);

ZALMPAttribute::ZALMPAttribute() = default;

ZALMPAttribute::ZALMPAttribute(const ZALMPAttribute& source) : ZALMPEntity(source) {}

ZALMPAttribute::~ZALMPAttribute() = default;
