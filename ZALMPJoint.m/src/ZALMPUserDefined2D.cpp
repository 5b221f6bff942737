#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPUserDefined2D"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPUserDefined2D.h>

ZALMP_DEFINE_JOINT_KIND_OF(ZALMPJoint2D, ZALMPUserDefined2D, ZALMPJoint2D, ZALMPJoint2D);
