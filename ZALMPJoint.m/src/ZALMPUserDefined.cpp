#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPUserDefined"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPUserDefined.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPUserDefined);
