#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPScrew"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPScrew.h>

ZALMP_DEFINE_JOINT_KIND_OF(ZALMPCoupling, ZALMPScrew, ZALMPJoint, ZALMPCoupling);
