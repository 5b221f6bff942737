#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPSlideCurve"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSlideCurve.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPSlideCurve);
