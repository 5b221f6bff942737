#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPDisplacementSensor2D"
#include <ZALMPAssertionReport.h>

#include <ZALIMPDisplacementSensor2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

#include <string_view>

ZALMP_DEFINE_KIND(ZALMPDisplacementSensor2D, ZALMPSensor);

namespace {
constexpr std::wstring_view kDisplacement = L"Displacement2D";
constexpr std::wstring_view kTranslation = L"Translation2D";
constexpr std::wstring_view kRotation = L"Rotation2D";
}  // namespace

ZALMPDisplacementSensor2D::ZALMPDisplacementSensor2D(const ZALMPDisplacementSensor2D& source)
    : ZALMPSensor(source), m_displacement(source.m_displacement)
{
}

HRESULT ZALMPDisplacementSensor2D::SetBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return ZALMPSetLink(m_body, body, ZALMP_HERE);
}

HRESULT ZALMPDisplacementSensor2D::GetBody(RVLSharedHandle<ZALMPBody2D>& body) const
{
  return ZALMPGetRequiredLink(m_body, body, ZALMP_HERE);
}

HRESULT ZALMPDisplacementSensor2D::RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return ZALMPRemoveLink(m_body, body, ZALMP_HERE);
}

// RemoveParent asks the measured body to drop the sensor (its answer is
// RemoveParent's) and lets the body go.
ZALMP_DEFINE_LINKS(ZALMPDisplacementSensor2D, &ZALMPSensor::LinkTable(), LastPartner,
                   ZALMPLinkTable::One(&ZALMPDisplacementSensor2D::m_body, L"Body2D",
                                       &ZALMPDisplacementSensor2D::SetBody, &ZALMPBody2D::RemoveDisplacementSensor,
                                       ZALMPFilteredCopy::Dropped, ZALMP_HERE));

void ZALMPDisplacementSensor2D::SetDisplacement(const ZALMathTransformation2D& displacement)
{
  m_displacement = displacement;
}

void ZALMPDisplacementSensor2D::GetDisplacement(ZALMathTransformation2D& displacement) const
{
  displacement = m_displacement;
}

HRESULT ZALMPDisplacementSensor2D::Update()
{
  return RefreshThrough<ZALIMPDisplacementSensor2DLoader>(*this, ZALMP_HERE);
}

HRESULT ZALMPDisplacementSensor2D::Reset()
{
  m_displacement = ZALMathTransformation2D();
  return S_OK;
}

HRESULT ZALMPDisplacementSensor2D::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, element, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  out.Placement(kDisplacement, m_displacement, kTranslation, kRotation);
  return S_OK;
}

HRESULT ZALMPDisplacementSensor2D::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, element, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  ZALMathTransformation2D displacement;
  if (!in.Placement(kDisplacement, displacement, kTranslation, kRotation)) return E_FAIL;
  SetDisplacement(displacement);
  return S_OK;
}
