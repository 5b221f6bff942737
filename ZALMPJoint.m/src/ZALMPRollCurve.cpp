#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPRollCurve"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPRollCurve.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPRollCurve);
