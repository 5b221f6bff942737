#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCurve"
#include <ZALMPAssertionReport.h>

#include "ZALMPModellerStream.h"

#include <ZALMPCurve.h>
#include <ZALMPDeserializer.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

#include <ZALBaseUnknownRef.h>
#include <ZALCrvLimits.h>
#include <ZALCrvParam.h>
#include <ZALSysDynamicCast.h>
#include <ZALTRVCurve.h>
#include <ZALTRVObjectList.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

ZALMP_DEFINE_KIND(ZALMPCurve, ZALMPGeometry);

namespace {

constexpr std::wstring_view kSegments = L"CurveSegments";
constexpr std::wstring_view kSegment = L"CurveSegment";
constexpr std::wstring_view kOrientation = L"curveOrientation";
constexpr std::wstring_view kLowLimit = L"curveLowLimit";
constexpr std::wstring_view kHighLimit = L"curveHighLimit";
constexpr std::wstring_view kStream = L"CurveStream";

// Limits from `low` to `high` made by `curve` and checked against its range;
// null when they are no range of its parameters.
std::unique_ptr<ZALCrvLimits> VerifiedLimits(const ZALTRVCurve& curve, double low, double high)
{
  ZALCrvParam lowParam;
  ZALCrvParam highParam;
  if (FAILED(curve.CreateParam(low, lowParam)) || FAILED(curve.CreateParam(high, highParam))) return nullptr;
  auto limits = std::make_unique<ZALCrvLimits>(lowParam, highParam, ZALCrvLimits::kVerifyInRange);
  if (!limits->IsValid()) return nullptr;
  return limits;
}

void WriteSegment(const ZALMPFieldWriter& segments, ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation,
                  const ZALCrvLimits& limits)
{
  // The numbers are checked against the segment's curve as a reader will
  // check them, whatever check the caller's limits were made with.
  double low = 0.0;
  double high = 0.0;
  limits.GetExtremities(low, high);
  ZALTRVCurve* const curve = ZALSysDynamicCast<ZALTRVCurve>(object);
  ZALTRVObjectList objects;
  std::wstring text;
  std::int32_t length = 0;
  if (!curve || !VerifiedLimits(*curve, low, high) || FAILED(objects.Append(curve)) ||
      FAILED(ZALMPModellerStream::ToText(objects, text, length))) {
    ZALMP_REPORT();
    return;
  }
  const ZALMPFieldWriter segment = segments.Group(kSegment);
  segment.Attribute(kOrientation, ZALMPCurveOrientation::ToName(orientation));
  segment.Attribute(kLowLimit, low);
  segment.Attribute(kHighLimit, high);
  ZALMPModellerStream::Write(segment, kStream, text, length);
}

// A segment read from its element, not yet the curve's.
struct ReadSegment {
  ZALBaseUnknownRef<ZALTRVCurve> curve;
  ZALMPCurveOrientation::Enum orientation = ZALMPCurveOrientation::Positive;
  std::unique_ptr<ZALCrvLimits> limits;
};

HRESULT ReadOne(const ZALMPFieldReader& in, ReadSegment& segment)
{
  // A missing orientation is reported and, like any name outside the table, reads as Positive.
  std::wstring orientation;
  in.Attribute(kOrientation, orientation);
  double low = 0.0;
  double high = 0.0;
  ZALTRVObjectList objects;
  if (!in.Attribute(kLowLimit, low) || !in.Attribute(kHighLimit, high) ||
      FAILED(ZALMPModellerStream::Read(in, kStream, objects)))
    return E_FAIL;
  // The modeller counts list positions from 1: its first object is Item(1).
  ZALTRVCurve* const curve = ZALSysDynamicCast<ZALTRVCurve>(objects.Item(1));
  std::unique_ptr<ZALCrvLimits> limits = curve ? VerifiedLimits(*curve, low, high) : nullptr;
  if (!limits) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  segment = {curve, ZALMPCurveOrientation::FromName(orientation), std::move(limits)};
  return S_OK;
}

}  // namespace

ZALMPCurve::ZALMPCurve(const ZALMPCurve& source) : ZALMPGeometry(source), m_segments(source.m_segments) {}

ZALMP_DEFINE_CURVE_SEGMENT_OPERATIONS(ZALMPCurve, m_segments)

HRESULT ZALMPCurve::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPGeometry>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  const ZALMPFieldWriter segments = out.Group(kSegments);
  if (!segments) return E_FAIL;
  for (int index = 0; index < GetCurveCount(); ++index) {
    ZALBaseUnknown* object = nullptr;
    ZALMPCurveOrientation::Enum orientation = ZALMPCurveOrientation::Positive;
    void* limits = nullptr;
    if (SUCCEEDED(GetCurve(index, object, orientation, limits)))
      WriteSegment(segments, object, orientation, *static_cast<const ZALCrvLimits*>(limits));
  }
  return S_OK;
}

HRESULT ZALMPCurve::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPGeometry>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  const ZALMPFieldReader segments = in.Group(kSegments);
  if (!segments) return E_FAIL;
  ZALMPDeserializer::ElementIterator begin = nullptr;
  ZALMPDeserializer::ElementIterator end = nullptr;
  segments.Element()->GetElements(kSegment, begin, end);
  // All or nothing: the segments join the curve only once every one of them
  // was read whole, so a damaged file never leaves a curve with a gap.
  std::vector<ReadSegment> read;
  for (ZALMPDeserializer::ElementIterator at = begin; at != end; ++at) {
    ReadSegment segment;
    if (FAILED(ReadOne(ZALMPFieldReader(*at, ZALMP_HERE), segment))) return E_FAIL;
    read.push_back(std::move(segment));
  }
  for (ReadSegment& segment : read)
    m_segments.AddOwned(segment.curve.get(), segment.orientation, std::move(segment.limits));
  return S_OK;
}
