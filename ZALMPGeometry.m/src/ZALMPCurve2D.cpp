#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCurve2D"
#include <ZALMPAssertionReport.h>

#include <ZALMPCurve2D.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

ZALMP_DEFINE_KIND(ZALMPCurve2D, ZALMPGeometry2D);

ZALMPCurve2D::ZALMPCurve2D(const ZALMPCurve2D& source) : ZALMPGeometry2D(source), m_segments(source.m_segments) {}

ZALMP_DEFINE_CURVE_SEGMENT_OPERATIONS(ZALMPCurve2D, m_segments)

// The segments are not written: the element holds the planar common part alone.
HRESULT ZALMPCurve2D::Serialize(ZALMPSerializer* parent) const
{
  return ZALMPFieldWriter::Begin<ZALMPGeometry2D>(*this, parent, ZALMP_HERE) ? S_OK : E_FAIL;
}

HRESULT ZALMPCurve2D::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  return ZALMPFieldReader::Begin<ZALMPGeometry2D>(*this, parent, ids, ZALMP_HERE) ? S_OK : E_FAIL;
}
