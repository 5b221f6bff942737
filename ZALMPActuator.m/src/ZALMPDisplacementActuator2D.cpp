#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPDisplacementActuator2D"
#include <ZALMPAssertionReport.h>

#include "ZALMPDisplacementActuatorDefinition.h"
#include <ZALIMPDisplacementActuator2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPDisplacementActuator2D.h>
#include <ZALMPFieldTable.h>
#include <ZALMPGeometry2D.h>

ZALMP_DEFINE_DISPLACEMENT_ACTUATOR(ZALMPDisplacementActuator2D, ZALMPBody2D, ZALMPGeometry2D, ZALIMPDisplacementActuator2DLoader, L"2D");

ZALMP_DEFINE_FIELDS(ZALMPDisplacementActuator2D, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPDisplacementActuator2D, Displacement),
                    ZALMP_FIELD_ROW(ZALMPDisplacementActuator2D, DisplacementByDragLine));
