#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPDisplacementActuator"
#include <ZALMPAssertionReport.h>

#include "ZALMPDisplacementActuatorDefinition.h"
#include <ZALIMPDisplacementActuatorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPDisplacementActuator.h>
#include <ZALMPGeometry.h>

ZALMP_DEFINE_DISPLACEMENT_ACTUATOR(ZALMPDisplacementActuator, ZALMPBody, ZALMPGeometry, ZALIMPDisplacementActuatorLoader, L"");
