#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPPrismatic"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPPrismatic.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPPrismatic);
