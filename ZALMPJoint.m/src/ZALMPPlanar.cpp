#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPPlanar"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPPlanar.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPPlanar);
