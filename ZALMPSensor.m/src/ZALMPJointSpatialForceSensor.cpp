#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPJointSpatialForceSensor"
#include <ZALMPAssertionReport.h>

#include "ZALMPSpatialForceSensorDefinition.h"
#include <ZALIMPJointSpatialForceSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPFieldTable.h>
#include <ZALMPJoint.h>
#include <ZALMPJointFramesServices.h>
#include <ZALMPJointSpatialForceSensor.h>

#include <vector>

ZALMP_DEFINE_SPATIAL_FORCE_SENSOR(ZALMPJointSpatialForceSensor, Joint, L"Joint", ZALIMPJointSpatialForceSensorLoader);

HRESULT ZALMPJointSpatialForceSensor::GetJointFrame(ZALMathTransformation& frame) const
{
  std::vector<ZALMathAxis> frames;
  if (!m_measured || FAILED(ZALMPJointFramesServices::ComputeFrames(m_measured.get(), frames, 0)) || frames.empty() ||
      FAILED(frame.SetFromAxisToOIJK(frames.front()))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPJointSpatialForceSensor::MeasuredBodyPlacement(ZALMathTransformation& placement) const
{
  int index = 0;
  RVLSharedHandle<ZALMPJoint> joint;
  RVLSharedHandle<ZALMPBody> body;
  if (FAILED(GetIndexBody(index)) || FAILED(GetJoint(joint)) || FAILED(joint->GetLinkedBody(index, body)) || !body ||
      FAILED(body->GetPosition(placement))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

// Measured in world axes: the joint frame's axes are its inverse.
HRESULT ZALMPJointSpatialForceSensor::ModeMapping(ZALMPAxisMode::Enum mode,
                                                  std::optional<ZALMathTransformation>& mapping) const
{
  ZALMathTransformation transformation;
  if (mode == ZALMPAxisMode::GlobalFrame) return S_OK;
  if (mode == ZALMPAxisMode::BodyFrame) {
    if (FAILED(MeasuredBodyPlacement(transformation))) return E_FAIL;
    mapping = transformation;
    return S_OK;
  }
  if (FAILED(GetJointFrame(transformation))) return E_FAIL;
  mapping = transformation.Inverse();
  return S_OK;
}

HRESULT ZALMPJointSpatialForceSensor::Reset()
{
  m_force = m_torque = ZALMathVector();
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPJointSpatialForceSensor, &ZALMPSensor::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPJointSpatialForceSensor, IndexBody));
