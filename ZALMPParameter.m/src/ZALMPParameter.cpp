#include <ZALMPParameter.h>

ZALMP_DEFINE_CLASS(ZALMPParameter, ZALMPAttribute);

ZALMPParameter::ZALMPParameter() = default;

ZALMPParameter::ZALMPParameter(const ZALMPParameter& source) : ZALMPAttribute(source) {}

ZALMPParameter::~ZALMPParameter() = default;
