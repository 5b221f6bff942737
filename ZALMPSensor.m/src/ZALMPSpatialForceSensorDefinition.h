#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

#include <ZALMathAxis.h>
#include <ZALMathPoint.h>
#include <ZALMathTransformation.h>
#include <ZALMathVector.h>

#include <optional>

/// A measured force and torque, the torque first moved to `point` when one is
/// given (T - P x F), then both mapped by `mapping` when there is one.
inline void ZALMPMapSpatialForce(const ZALMathVector& force, const ZALMathVector& torque, const ZALMathPoint* point,
                                 const std::optional<ZALMathTransformation>& mapping, ZALMathVector& forceOut,
                                 ZALMathVector& torqueOut)
{
  ZALMathVector moved = torque;
  if (point) moved = torque - (*point - ZALMathPoint()).Cross(force);
  forceOut = mapping ? *mapping * force : force;
  torqueOut = mapping ? *mapping * moved : moved;
}

/// The transformation of an axis system given by the caller: E_FAIL (not
/// reported) when none is given or its directions are dependent.
inline HRESULT ZALMPAxisTransformation(const ZALMathAxis* axis, std::optional<ZALMathTransformation>& mapping)
{
  ZALMathTransformation transformation;
  if (!axis || FAILED(transformation.SetFromAxisToOIJK(*axis))) return E_FAIL;
  mapping = transformation;
  return S_OK;
}

/// Defines what the joint and connector spatial force sensors share (`Class`
/// measuring a `Measured` entity saved as the reference `measuredId`, with its
/// `Loader`): the measured link, the body index, the stored measurement, the
/// refresh and the element. Each defines its own modes, frame and reset.
#define ZALMP_DEFINE_SPATIAL_FORCE_SENSOR(Class, Measured, measuredId, Loader)                                 \
  ZALMP_DEFINE_KIND(Class, ZALMPSensor);                                                                        \
  Class::Class(const Class& source)                                                                             \
      : ZALMPSensor(source), m_indexBody(source.m_indexBody), m_force(source.m_force), m_torque(source.m_torque) \
  {                                                                                                             \
  }                                                                                                             \
  ZALMP_DEFINE_LOADER(Class, Loader);                                                                           \
  HRESULT Class::Set##Measured(const RVLSharedHandle<ZALMP##Measured>& measured)                                \
  {                                                                                                             \
    return ZALMPSetLink(m_measured, measured, ZALMP_HERE);                                                      \
  }                                                                                                             \
  HRESULT Class::Get##Measured(RVLSharedHandle<ZALMP##Measured>& measured) const                                \
  {                                                                                                             \
    return ZALMPGetRequiredLink(m_measured, measured, ZALMP_HERE);                                              \
  }                                                                                                             \
  HRESULT Class::SetIndexBody(int index)                                                                        \
  {                                                                                                             \
    if (index < 0) {                                                                                            \
      ZALMP_REPORT();                                                                                           \
      return E_FAIL;                                                                                            \
    }                                                                                                           \
    m_indexBody = index;                                                                                        \
    return S_OK;                                                                                                \
  }                                                                                                             \
  HRESULT Class::GetIndexBody(int& index) const                                                                 \
  {                                                                                                             \
    if (m_indexBody < 0) {                                                                                      \
      ZALMP_REPORT();                                                                                           \
      return E_FAIL;                                                                                            \
    }                                                                                                           \
    index = m_indexBody;                                                                                        \
    return S_OK;                                                                                                \
  }                                                                                                             \
  HRESULT Class::SetSpatialForce(const ZALMathVector& force, const ZALMathVector& torque)                       \
  {                                                                                                             \
    m_force = force;                                                                                            \
    m_torque = torque;                                                                                          \
    return S_OK;                                                                                                \
  }                                                                                                             \
  HRESULT Class::GetSpatialForce(double& fx, double& fy, double& fz, double& tx, double& ty, double& tz) const  \
  {                                                                                                             \
    fx = m_force.GetX(), fy = m_force.GetY(), fz = m_force.GetZ();                                              \
    tx = m_torque.GetX(), ty = m_torque.GetY(), tz = m_torque.GetZ();                                           \
    return S_OK;                                                                                                \
  }                                                                                                             \
  HRESULT Class::GetSpatialForce(ZALMathVector& force, ZALMathVector& torque, ZALMPAxisMode::Enum mode,         \
                                 const ZALMathAxis* axis, const ZALMathPoint* point) const                      \
  {                                                                                                             \
    std::optional<ZALMathTransformation> mapping;                                                               \
    if (mode == ZALMPAxisMode::AxisSystem) {                                                                    \
      if (FAILED(ZALMPAxisTransformation(axis, mapping))) return E_FAIL;                                        \
    } else if (mode < ZALMPAxisMode::GlobalFrame || mode > ZALMPAxisMode::AxisSystem ||                         \
               FAILED(ModeMapping(mode, mapping))) {                                                            \
      return E_FAIL;                                                                                            \
    }                                                                                                           \
    ZALMPMapSpatialForce(m_force, m_torque, point, mapping, force, torque);                                     \
    return S_OK;                                                                                                \
  }                                                                                                             \
  HRESULT Class::Update() { return RefreshThrough<Loader>(*this, ZALMP_HERE, S_FALSE); }                        \
  /* The measured entity is never asked anything. */                                                           \
  ZALMP_DEFINE_LINKS(Class, &ZALMPEntity::LinkTable(), Success,                                                 \
                     ZALMPLinkTable::OneNotAsked(&Class::m_measured, measuredId, &Class::Set##Measured,         \
                                                 ZALMPFilteredCopy::Relinked, ZALMP_HERE,                       \
                                                 ZALMPLinkRelease::Never));                                     \
  HRESULT Class::Serialize(ZALMPSerializer* parent) const                                                       \
  {                                                                                                             \
    const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);               \
    if (!out) return E_FAIL;                                                                                    \
    LinkTable().Write(*this, out.Element());                                                                    \
    out.Value(L"Index", static_cast<std::int32_t>(m_indexBody));                                                \
    out.Vector(L"Force", m_force);                                                                              \
    out.Vector(L"Torque", m_torque);                                                                            \
    return S_OK;                                                                                                \
  }                                                                                                             \
  HRESULT Class::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)                    \
  {                                                                                                             \
    const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);           \
    if (!in) return E_FAIL;                                                                                     \
    LinkTable().Read(*this, in.Element(), ids);                                                                 \
    std::int32_t index = 0;                                                                                     \
    if (in.Read(L"Index", index)) SetIndexBody(index);                                                          \
    ZALMathVector force = m_force, torque = m_torque;                                                           \
    in.Vector(L"Force", force);                                                                                 \
    in.Vector(L"Torque", torque);                                                                               \
    if (SUCCEEDED(SetSpatialForce(force, torque))) return S_OK;                                                 \
    ZALMP_REPORT();                                                                                             \
    return E_FAIL;                                                                                              \
  }                                                                                                             \
  static_assert(true, "")
