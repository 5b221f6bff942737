#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPSpherical"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSpherical.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPSpherical);
