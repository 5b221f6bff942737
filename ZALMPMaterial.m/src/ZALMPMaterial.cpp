#include <ZALMPMaterial.h>

ZALMP_DEFINE_CLASS(ZALMPMaterial, ZALMPEntity);

ZALMPMaterial::ZALMPMaterial() = default;

ZALMPMaterial::ZALMPMaterial(const ZALMPMaterial& source) : ZALMPEntity(source) {}

ZALMPMaterial::~ZALMPMaterial() = default;
