#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPCable"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPCable.h>

ZALMP_DEFINE_UNFRAMED_COUPLING_KIND(ZALMPCable);
