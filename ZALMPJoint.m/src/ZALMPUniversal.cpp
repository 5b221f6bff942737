#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPUniversal"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPUniversal.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPUniversal);
