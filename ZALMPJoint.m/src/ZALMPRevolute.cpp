#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPRevolute"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPRevolute.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPRevolute);
