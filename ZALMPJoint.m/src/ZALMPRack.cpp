#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPRack"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPRack.h>

ZALMP_DEFINE_UNFRAMED_COUPLING_KIND(ZALMPRack);
