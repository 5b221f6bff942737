#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPRigid"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPRigid.h>

ZALMP_DEFINE_JOINT_KIND(ZALMPRigid);
