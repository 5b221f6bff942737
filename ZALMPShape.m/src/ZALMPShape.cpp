#include <ZALMPShape.h>

ZALMP_DEFINE_CLASS(ZALMPShape, ZALMPEntity);

ZALMPShape::ZALMPShape() = default;

ZALMPShape::ZALMPShape(const ZALMPShape& source) : ZALMPEntity(source) {}

ZALMPShape::~ZALMPShape() = default;
