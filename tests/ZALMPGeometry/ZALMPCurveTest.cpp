// What a curve holds, who frees its limits (under the sanitizer, limits freed
// twice or never fail here), what a copy carries, how segments come back from
// a file, damaged or not, and what a planar curve keeps of them. The layout
// both write at every version, and their round trip through a world, are
// pinned by the kind conformance test; how a world reads on past an element
// that fails is the joint layout test's.

#include "ZALMPModellerSamples.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPCurve.h>
#include <ZALMPCurve2D.h>

#include <ZALTRVPlane.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Orientation = ZALMPCurveOrientation;

// Segment `index` of `curve`, with the extremities of its limits.
struct Segment {
  ZALBaseUnknown* object = nullptr;
  Orientation::Enum orientation = Orientation::Negative;
  void* limits = nullptr;
  std::pair<double, double> range;
  HRESULT status;
  Segment(const ZALMPCurve& curve, int index) : status(curve.GetCurve(index, object, orientation, limits))
  {
    if (limits) static_cast<ZALCrvLimits*>(limits)->GetExtremities(range.first, range.second);
  }
  auto Entries() const { return std::make_tuple(status, object, orientation, limits); }
};

TEST(CurveSegments, KeepTheirEntriesHoldTheirCurvesAndCopyWithLimitsOfTheirOwn)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPCurve> curve = ZALMPCurve::create(L"Path");
  ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create({0.0, 0.0, 0.0}, {2.0, 0.0, 0.0});
  std::unique_ptr<ZALCrvLimits> limits = LimitsOf(*line, 1.0, 2.0);
  EXPECT_EQ(E_FAIL, curve->AddCurve(nullptr, Orientation::Positive, limits.get()));
  EXPECT_EQ(E_FAIL, curve->AddCurve(line.get(), Orientation::Positive, nullptr));
  EXPECT_EQ(std::vector<std::string>(2, "ZALMPGeometry.m/src/ZALMPCurve"), reports.Files());
  AddLineAndArc(*curve, {1.0, 0.0, 0.0}, 2.0);
  // The same limits for two segments, handed over with the others: freed once.
  ASSERT_EQ(S_OK, curve->AddCurve(line.get(), Orientation::Negative, limits.get()));
  ASSERT_EQ(S_OK, curve->AddCurve(line.get(), Orientation::Positive, limits.release()));
  ASSERT_EQ(4, curve->GetCurveCount());
  const Segment third(*curve, 2);
  EXPECT_EQ(std::make_tuple(S_OK, static_cast<ZALBaseUnknown*>(line.get()), Orientation::Negative, third.limits),
            third.Entries());
  EXPECT_EQ(std::make_pair(1.0, 2.0), third.range);
  EXPECT_EQ(3u, line->GetRefCount()) << "one reference per segment, none for a reader";
  for (const int index : {-1, 4})
    EXPECT_EQ(std::make_tuple(E_FAIL, nullptr, Orientation::Positive, nullptr), Segment(*curve, index).Entries());
  EXPECT_EQ(2, reports.Count()) << "probing past the end is no failure";

  // A copy shares the modeller curves and has limits of its own.
  RVLSharedHandle<ZALMPCurve> copy = ZALMPCurve::clone(curve);
  ASSERT_EQ(4, copy->GetCurveCount());
  for (int index = 0; index < 4; ++index) {
    const Segment original(*curve, index), copied(*copy, index);
    EXPECT_EQ(std::make_tuple(original.object, original.orientation, original.range),
              std::make_tuple(copied.object, copied.orientation, copied.range)) << index;
    EXPECT_NE(original.limits, copied.limits) << index;
  }
  AddLineAndArc(*copy, {0.0, 0.0, 0.0}, 1.0);
  EXPECT_EQ(4, curve->GetCurveCount()) << "the two go their own ways";
  curve = nullptr;
  EXPECT_EQ(std::make_pair(1.0, 2.0), Segment(*copy, 3).range) << "the source freed only its own limits";
  copy = nullptr;
  EXPECT_EQ(1u, line->GetRefCount()) << "a curve releases its segments when it goes";
}

// The planar curve keeps its segments as the curve does, but writes its planar
// common part alone: a copy carries the segments, a save does not.
TEST(CurveSegments, APlanarCurveCopyCarriesThemButASaveDoesNot)
{
  const RVLSharedHandle<ZALMPCurve2D> curve = ZALMPCurve2D::create(L"Profile");
  const ZALBaseUnknownRef<ZALTRVLine> segment = ZALTRVLine::Create({0, 0, 0}, {1, 0, 0});
  const std::unique_ptr<ZALCrvLimits> limits = LimitsOf(*segment, 0.0, 1.0);
  ASSERT_EQ(S_OK, curve->AddCurve(segment.get(), Orientation::Negative, limits.get()));
  EXPECT_EQ(1, ZALMPCurve2D::clone(curve)->GetCurveCount());
  const RVLSharedHandle<ZALMPCurve2D> read = ZALMPCurve2D::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(WrittenXml(*curve)).get(), {}));
  EXPECT_EQ(0, read->GetCurveCount());
}

// What the layout keeps of segments that could be written comes back (the kind
// conformance test); here what could not be written is left out.
TEST(CurveLayout, AWriterLeavesOutWhatCouldNotAndOnlyNegativeReadsNegative)
{
  ReportCapture reports;
  // A plane is no curve; limits taken past the end of a line are no range of it.
  const RVLSharedHandle<ZALMPCurve> source = ZALMPCurve::create(L"Path");
  AddLineAndArc(*source, {1.0, -2.0, 0.5}, 3.0);
  const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create({0.0, 0.0, 0.0}, {2.0, 0.0, 0.0});
  const ZALBaseUnknownRef<ZALTRVPlane> plane = ZALTRVPlane::Create({}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 0, 1, 0, 1);
  ZALCrvLimits* const beyond = LimitsOf(*line, 1.0, 3.0, ZALCrvLimits::kNoVerification).release();
  source->AddCurve(plane.get(), Orientation::Positive, beyond);
  source->AddCurve(line.get(), Orientation::Positive, beyond);
  const std::string text = WrittenXml(*source);
  EXPECT_EQ(std::vector<std::string>(2, "ZALMPGeometry.m/src/ZALMPCurve"), reports.Files());

  const RVLSharedHandle<ZALMPCurve> read = ZALMPCurve::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {}));
  EXPECT_EQ(2, read->GetCurveCount());
  EXPECT_EQ(text, WrittenXml(*read)) << "what was read writes the same element";
  // Only the exact name "Negative" reads as Negative.
  const RVLSharedHandle<ZALMPCurve> other = ZALMPCurve::create();
  ASSERT_EQ(S_OK, other->Deserialize(ReadXml(Replaced(text, "\"Negative\"", "\"negative\"")).get(), {}));
  EXPECT_EQ(Orientation::Negative, Segment(*read, 1).orientation);
  EXPECT_EQ(Orientation::Positive, Segment(*other, 1).orientation);
  EXPECT_EQ(2, reports.Count());
}

// However a segment is damaged, reading reports it and adds no segment.
TEST(CurveLayout, ADamagedSegmentIsReportedAndAddsNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCurve> source = ZALMPCurve::create(L"Path");
  AddLineAndArc(*source, {0.0, 0.0, 0.0}, 1.0);
  const std::string text = WrittenXml(*source);
  const auto stream = [&text](std::string (*change)(std::string)) {
    return WithElementText(text, "CurveStream", change);
  };
  const std::pair<const char*, std::string> cases[] = {
      {"cut inside a group", stream([](std::string s) { return s.substr(0, s.size() - 1); })},
      {"its first character changed", stream([](std::string s) { return s.replace(0, 1, "/"); })},
      {"every byte zero", stream([](std::string s) { return std::string(s.size(), 'A'); })},
      {"a character outside Base64", stream([](std::string s) { return s.insert(4, "*"); })},
      {"a character wider than a byte", stream([](std::string s) { return s.replace(4, 4, "\xE2\x82\xAC"); })},
      {"bytes after the curve", stream([](std::string s) { return s + "AAAA"; })},
      {"a length that disagrees", Replaced(text, "length=\"60\"", "length=\"61\"")},
      {"no length", Replaced(text, " length=\"60\"", "")},
      {"a limit outside the curve", Replaced(text, "curveHighLimit=\"1.1\"", "curveHighLimit=\"7\"")},
      {"no low limit", Replaced(text, " curveLowLimit=\"0\"", "")},
  };
  for (const auto& [what, damaged] : cases) {
    const RVLSharedHandle<ZALMPCurve> read = ZALMPCurve::create();
    AddLineAndArc(*read, {0.0, 0.0, 0.0}, 1.0);
    reports.Clear();
    EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(damaged).get(), {})) << what;
    EXPECT_LE(1, reports.Count()) << what;
    EXPECT_EQ(2, read->GetCurveCount()) << what;
  }
}

}  // namespace
