#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPPointCurve"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPPointCurve.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPPointCurve);
