#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPConnectorSpatialForceSensor"
#include <ZALMPAssertionReport.h>

#include "ZALMPSpatialForceSensorDefinition.h"
#include <ZALIMPConnectorSpatialForceSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPConnectorSpatialForceSensor.h>
#include <ZALMPFieldTable.h>
#include <ZALMPGeometry.h>

ZALMP_DEFINE_SPATIAL_FORCE_SENSOR(ZALMPConnectorSpatialForceSensor, Connector, L"Connector",
                                  ZALIMPConnectorSpatialForceSensorLoader);

// A connector has no axes of its own: it acts from its first body, whose
// placement is its frame.
HRESULT ZALMPConnectorSpatialForceSensor::GetConnectorFrame(ZALMathTransformation& frame) const
{
  RVLSharedHandle<ZALMPBody> first;
  if (!m_measured || FAILED(m_measured->GetFirstBody(first)) || FAILED(first->GetPosition(frame))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPConnectorSpatialForceSensor::MeasuredBodyPlacement(ZALMathTransformation& placement) const
{
  int index = 0;
  RVLSharedHandle<ZALMPConnector> connector;
  RVLSharedHandle<ZALMPGeometry> geometry;
  RVLSharedHandle<ZALMPBody> body;
  if (FAILED(GetIndexBody(index)) || FAILED(GetConnector(connector)) ||
      FAILED(connector->GetLinkedGeometry(index, geometry)) || FAILED(geometry->GetBody(body)) || !body ||
      FAILED(body->GetPosition(placement))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

// Measured in the connector's axes: its frame carries them to the world's.
HRESULT ZALMPConnectorSpatialForceSensor::ModeMapping(ZALMPAxisMode::Enum mode,
                                                      std::optional<ZALMathTransformation>& mapping) const
{
  ZALMathTransformation transformation;
  if (mode == ZALMPAxisMode::LocalFrame) return S_OK;
  if (FAILED(mode == ZALMPAxisMode::BodyFrame ? MeasuredBodyPlacement(transformation)
                                              : GetConnectorFrame(transformation)))
    return E_FAIL;
  mapping = transformation;
  return S_OK;
}

HRESULT ZALMPConnectorSpatialForceSensor::Reset()
{
  if (m_indexBody < 0) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_force = m_torque = ZALMathVector();
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPConnectorSpatialForceSensor, &ZALMPSensor::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPConnectorSpatialForceSensor, IndexBody));
