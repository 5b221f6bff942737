#include <ZALMPInteraction.h>

ZALMP_DEFINE_CLASS(ZALMPInteraction, ZALMPEntity);

ZALMPInteraction::ZALMPInteraction() = default;

ZALMPInteraction::ZALMPInteraction(const ZALMPInteraction& source) : ZALMPEntity(source) {}

ZALMPInteraction::~ZALMPInteraction() = default;
