#include <ZALMPState.h>

ZALMP_DEFINE_CLASS(ZALMPState, ZALMPAttribute);

ZALMPState::ZALMPState() = default;

ZALMPState::ZALMPState(const ZALMPState& source) : ZALMPAttribute(source) {}

ZALMPState::~ZALMPState() = default;
