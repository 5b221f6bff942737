#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPDisplacementActuator2D"
#include <ZALMPAssertionReport.h>

#include "ZALMPDisplacementActuatorDefinition.h"
#include <ZALIMPDisplacementActuator2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPDisplacementActuator2D.h>
#include <ZALMPGeometry2D.h>

ZALMP_DEFINE_DISPLACEMENT_ACTUATOR(ZALMPDisplacementActuator2D, ZALMPBody2D, ZALMPGeometry2D, ZALIMPDisplacementActuator2DLoader, L"2D");
