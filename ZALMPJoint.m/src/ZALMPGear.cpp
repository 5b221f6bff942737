#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPGear"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGear.h>

ZALMP_DEFINE_UNFRAMED_COUPLING_KIND(ZALMPGear);
