#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPDisplacementActuator"
#include <ZALMPAssertionReport.h>

#include "ZALMPDisplacementActuatorDefinition.h"
#include <ZALIMPDisplacementActuatorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPDisplacementActuator.h>
#include <ZALMPFieldTable.h>
#include <ZALMPGeometry.h>

ZALMP_DEFINE_DISPLACEMENT_ACTUATOR(ZALMPDisplacementActuator, ZALMPBody, ZALMPGeometry, ZALIMPDisplacementActuatorLoader, L"");

ZALMP_DEFINE_FIELDS(ZALMPDisplacementActuator, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPDisplacementActuator, Displacement),
                    ZALMP_FIELD_ROW(ZALMPDisplacementActuator, DisplacementByDragLine));
