#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPSymmetric"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSymmetric.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPSymmetric);
