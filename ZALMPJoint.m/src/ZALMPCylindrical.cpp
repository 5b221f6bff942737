#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPCylindrical"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPCylindrical.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPCylindrical);
