#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPPointSurface"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPPointSurface.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPPointSurface);
