#include <ZALMPJoint.h>

ZALMP_DEFINE_CLASS(ZALMPJoint, ZALMPEntity);

ZALMPJoint::ZALMPJoint() = default;

ZALMPJoint::ZALMPJoint(const ZALMPJoint& source) : ZALMPEntity(source) {}

ZALMPJoint::~ZALMPJoint() = default;
