// What a curve holds, who frees its limits, what a copy carries, and how its
// segments come back from a file, damaged or not. The layout it writes at
// every version is pinned by the kind conformance test.

#include "ZALMPModellerSamples.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPCurve.h>
#include <ZALMPPoint.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <RVLBasicWorld.h>
#include <ZALTRVPlane.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

using Orientation = ZALMPCurveOrientation;

ZALBaseUnknownRef<ZALTRVLine> Line(double length)
{
  return ZALTRVLine::Create({0.0, 0.0, 0.0}, {length, 0.0, 0.0});
}

struct Segment {
  ZALBaseUnknown* object = nullptr;
  Orientation::Enum orientation = Orientation::Positive;
  ZALCrvLimits* limits = nullptr;
  HRESULT status = E_FAIL;
};

Segment SegmentOf(const ZALMPCurve& curve, int index)
{
  Segment got;
  void* limits = nullptr;
  got.status = curve.GetCurve(index, got.object, got.orientation, limits);
  got.limits = static_cast<ZALCrvLimits*>(limits);
  return got;
}

std::pair<double, double> Extremities(const ZALCrvLimits& limits)
{
  std::pair<double, double> both;
  limits.GetExtremities(both.first, both.second);
  return both;
}

TEST(CurveSegments, AddKeepsTheThreeEntriesInOrderAndRefusesWhatIsMissing)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPCurve> curve = ZALMPCurve::create(L"Path");
  const ZALBaseUnknownRef<ZALTRVLine> line = Line(2.0);
  // The caller keeps these: the curve was never told to free them.
  const std::unique_ptr<ZALCrvLimits> first = LimitsOf(*line, 0.0, 1.0), second = LimitsOf(*line, 1.0, 2.0);

  EXPECT_EQ(E_FAIL, curve->AddCurve(nullptr, Orientation::Positive, first.get()));
  EXPECT_EQ(E_FAIL, curve->AddCurve(line.get(), Orientation::Positive, nullptr));
  EXPECT_EQ(std::vector<std::string>(2, "ZALMPGeometry.m/src/ZALMPCurve"), reports.Files());
  EXPECT_EQ(0, curve->GetCurveCount());
  EXPECT_EQ(1u, line->GetRefCount()) << "a refused segment takes no reference";

  ASSERT_EQ(S_OK, curve->AddCurve(line.get(), Orientation::Positive, first.get()));
  ASSERT_EQ(S_OK, curve->AddCurve(line.get(), Orientation::Negative, second.get()));
  EXPECT_EQ(3u, line->GetRefCount()) << "one reference per segment";
  const Segment got = SegmentOf(*curve, 1);
  EXPECT_EQ(S_OK, got.status);
  EXPECT_EQ(line.get(), got.object);
  EXPECT_EQ(Orientation::Negative, got.orientation);
  EXPECT_EQ(second.get(), got.limits);
  EXPECT_EQ(3u, line->GetRefCount()) << "reading a segment gives no reference";

  for (const int index : {-1, 2}) {
    Segment outside;
    void* limits = first.get();
    outside.object = line.get();
    outside.orientation = Orientation::Negative;
    EXPECT_EQ(E_FAIL, curve->GetCurve(index, outside.object, outside.orientation, limits)) << index;
    EXPECT_EQ(nullptr, outside.object) << index;
    EXPECT_EQ(Orientation::Positive, outside.orientation) << index;
    EXPECT_EQ(nullptr, limits) << index;
  }
  EXPECT_EQ(2, reports.Count()) << "probing past the end is not a failure";

  curve = nullptr;
  EXPECT_EQ(1u, line->GetRefCount()) << "a curve releases its segments when it goes";
  EXPECT_EQ(std::make_pair(1.0, 2.0), Extremities(*second)) << "and leaves the caller's limits alone";
}

// Under the sanitizer a limits object freed twice, or not at all, fails here.
TEST(CurveSegments, LimitsHandedOverAreFreedOnceEvenWhenShared)
{
  const ZALBaseUnknownRef<ZALTRVLine> line = Line(1.0);
  RVLSharedHandle<ZALMPCurve> curve = ZALMPCurve::create(L"Twice");
  std::unique_ptr<ZALCrvLimits> shared = LimitsOf(*line, 0.0, 1.0);
  ASSERT_EQ(S_OK, curve->AddCurve(line.get(), Orientation::Positive, shared.get()));
  ASSERT_EQ(S_OK, curve->AddCurve(line.get(), Orientation::Negative, shared.get()));
  EXPECT_EQ(S_OK, curve->DeleteCurveLimitsAtEnd(true));
  shared.release();
  curve = nullptr;
  EXPECT_EQ(1u, line->GetRefCount());
}

TEST(CurveCopy, CarriesTheSegmentsWithLimitsOfItsOwnButNoBody)
{
  RVLSharedHandle<ZALMPCurve> source = ZALMPCurve::create(L"Path");
  AddLineAndArc(*source, {1.0, 0.0, 0.0}, 2.0);
  source->SetBody(ZALMPBody::create(L"Carrier"));
  const Segment line = SegmentOf(*source, 0);
  const unsigned long before = line.object->GetRefCount();

  RVLSharedHandle<ZALMPCurve> copy = ZALMPCurve::clone(source);
  ASSERT_TRUE(copy);
  ASSERT_EQ(2, copy->GetCurveCount());
  RVLSharedHandle<ZALMPBody> body;
  EXPECT_EQ(E_FAIL, copy->GetBody(body)) << "a copied geometry starts without a body";
  for (int index = 0; index < 2; ++index) {
    const Segment original = SegmentOf(*source, index), copied = SegmentOf(*copy, index);
    EXPECT_EQ(original.object, copied.object) << index << ": the same modeller curve";
    EXPECT_EQ(original.orientation, copied.orientation) << index;
    EXPECT_NE(original.limits, copied.limits) << index << ": limits of its own";
    EXPECT_EQ(Extremities(*original.limits), Extremities(*copied.limits)) << index;
  }
  EXPECT_EQ(before + 1, line.object->GetRefCount());

  // Each goes its own way: the source frees its limits, the copy's stay.
  AddLineAndArc(*copy, {0.0, 0.0, 0.0}, 1.0);
  EXPECT_EQ(2, source->GetCurveCount());
  source = nullptr;
  EXPECT_EQ(before, line.object->GetRefCount());
  EXPECT_EQ(std::make_pair(0.0, 1.2), Extremities(*SegmentOf(*copy, 0).limits));
}

TEST(CurveLayout, SegmentsComeBackWithTheirCurvesOrientationsAndLimits)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCurve> empty = ZALMPCurve::create(L"Empty");
  const std::string emptyText = WrittenXml(*empty);
  EXPECT_NE(std::string::npos, emptyText.find("<CurveSegments/>")) << emptyText;
  const RVLSharedHandle<ZALMPCurve> none = ZALMPCurve::create();
  EXPECT_EQ(S_OK, none->Deserialize(ReadXml(emptyText).get(), {}));
  EXPECT_EQ(0, none->GetCurveCount());

  const RVLSharedHandle<ZALMPCurve> source = ZALMPCurve::create(L"Path");
  AddLineAndArc(*source, {1.0, -2.0, 0.5}, 3.0);
  const std::string text = WrittenXml(*source);
  const RVLSharedHandle<ZALMPCurve> read = ZALMPCurve::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {}));
  ASSERT_EQ(2, read->GetCurveCount());
  for (int index = 0; index < 2; ++index) {
    const Segment original = SegmentOf(*source, index), back = SegmentOf(*read, index);
    EXPECT_NE(original.object, back.object) << index << ": a curve of its own, read from the stream";
    EXPECT_TRUE(static_cast<ZALITRVObject*>(back.object)->IsEqual(*static_cast<ZALITRVObject*>(original.object)))
        << index;
    EXPECT_EQ(original.orientation, back.orientation) << index;
    EXPECT_EQ(Extremities(*original.limits), Extremities(*back.limits)) << index;
    EXPECT_TRUE(back.limits->IsValid()) << index;
  }
  EXPECT_EQ(text, WrittenXml(*read)) << "what was read writes the same element";

  // Only the exact name "Negative" reads as Negative.
  for (const char* name : {"negative", "Backwards", ""}) {
    const RVLSharedHandle<ZALMPCurve> other = ZALMPCurve::create();
    const std::string renamed = Replaced(text, "\"Negative\"", std::string("\"") + name + "\"");
    ASSERT_EQ(S_OK, other->Deserialize(ReadXml(renamed).get(), {})) << name;
    EXPECT_EQ(Orientation::Positive, SegmentOf(*other, 1).orientation) << name;
  }
  EXPECT_EQ(0, reports.Count());
}

TEST(CurveLayout, AWriterLeavesOutASegmentItCouldNotGiveBack)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCurve> curve = ZALMPCurve::create(L"Mixed");
  const ZALBaseUnknownRef<ZALTRVLine> line = Line(2.0);
  const ZALBaseUnknownRef<ZALTRVPlane> plane =
      ZALTRVPlane::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 0.0, 1.0, 0.0, 1.0);
  // Limits past the end of the line: taken as given, but no range of its parameters.
  const std::unique_ptr<ZALCrvLimits> beyond = LimitsOf(*line, 1.0, 3.0, ZALCrvLimits::kNoVerification);
  const std::unique_ptr<ZALCrvLimits> within = LimitsOf(*line, 0.5, 1.5);
  curve->AddCurve(plane.get(), Orientation::Positive, within.get());
  curve->AddCurve(line.get(), Orientation::Positive, beyond.get());
  curve->AddCurve(line.get(), Orientation::Negative, within.get());

  const std::string text = WrittenXml(*curve);
  EXPECT_EQ(std::vector<std::string>(2, "ZALMPGeometry.m/src/ZALMPCurve"), reports.Files());
  const RVLSharedHandle<ZALMPCurve> read = ZALMPCurve::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {}));
  ASSERT_EQ(1, read->GetCurveCount());
  EXPECT_EQ(Orientation::Negative, SegmentOf(*read, 0).orientation);
  EXPECT_EQ(std::make_pair(0.5, 1.5), Extremities(*SegmentOf(*read, 0).limits));
}

// `text` with the text of its first "CurveStream" given to `change`.
std::string WithStream(const std::string& text, const std::function<std::string(std::string)>& change)
{
  return WithElementText(text, "CurveStream", change);
}

// However a segment is damaged, reading reports it and adds no segment: the
// curve keeps exactly what it had (under the sanitizer: nothing leaks).
TEST(CurveLayout, ADamagedSegmentIsReportedAndAddsNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCurve> source = ZALMPCurve::create(L"Path");
  AddLineAndArc(*source, {0.0, 0.0, 0.0}, 1.0);
  const std::string text = WrittenXml(*source);
  std::smatch found;
  ASSERT_TRUE(std::regex_search(text, found, std::regex("<CurveStream length=\"(\\d+)\"")));
  const std::string length = found[1].str();
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"cut by whole groups, still Base64", WithStream(text, [](std::string s) { return s.substr(0, s.size() - 8); })},
      {"cut inside a group", WithStream(text, [](std::string s) { return s.substr(0, s.size() - 1); })},
      {"its first character changed", WithStream(text, [](std::string s) { return s.replace(0, 1, "/"); })},
      {"every byte zero", WithStream(text, [](std::string s) { return std::regex_replace(s, std::regex("[^=]"), "A"); })},
      {"a character outside Base64", WithStream(text, [](std::string s) { return s.insert(4, "*"); })},
      {"a character wider than a byte", WithStream(text, [](std::string s) { return s.replace(4, 4, "\xE2\x82\xAC"); })},
      {"no text", WithStream(text, [](std::string) { return std::string(); })},
      {"a length that disagrees",
       Replaced(text, "length=\"" + length + "\"", "length=\"" + std::to_string(std::stoi(length) + 1) + "\"")},
      {"no length", Replaced(text, "length=\"" + length + "\"", "")},
      {"no stream", std::regex_replace(text, std::regex("<CurveStream[^>]*>[^<]*</CurveStream>"), "",
                                       std::regex_constants::format_first_only)},
      {"a limit outside the curve", Replaced(text, "curveHighLimit=\"1.1\"", "curveHighLimit=\"7\"")},
      {"no low limit", Replaced(text, "curveLowLimit=\"0\"", "")},
  };
  for (const auto& c : cases) {
    const RVLSharedHandle<ZALMPCurve> read = ZALMPCurve::create();
    const ZALBaseUnknownRef<ZALTRVLine> line = Line(1.0);
    const std::unique_ptr<ZALCrvLimits> limits = LimitsOf(*line, 0.0, 1.0);
    read->AddCurve(line.get(), Orientation::Negative, limits.get());
    reports.Clear();
    EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(c.text).get(), {})) << c.what;
    EXPECT_LE(1, reports.Count()) << c.what;
    ASSERT_EQ(1, read->GetCurveCount()) << c.what;
    EXPECT_EQ(line.get(), SegmentOf(*read, 0).object) << c.what;
  }
}

// A world keeps loading past a damaged curve: the load warns and names it, the
// curve is there without segments, and everything else comes back.
TEST(CurvePersistence, AWorldLoadsPastADamagedCurve)
{
  ReportCapture reports;
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  const RVLSharedHandle<ZALMPCurve> damaged = ZALMPCurve::create(L"Damaged"), whole = ZALMPCurve::create(L"Whole");
  AddLineAndArc(*damaged, {0.0, 0.0, 0.0}, 1.0);
  AddLineAndArc(*whole, {0.0, 0.0, 5.0}, 2.0);
  damaged->SetIdentifier(L"c1");
  whole->SetIdentifier(L"c2");
  world->Add<ZALMPGeometry>(damaged);
  world->Add<ZALMPGeometry>(whole);
  world->Add<ZALMPGeometry>(ZALMPPoint::create(L"Tip"));
  std::string text;
  ASSERT_TRUE(ZALMPXml::Write(*world, text).Ok());
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);

  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(WithStream(text, [](std::string s) { return s.substr(0, s.size() - 4); }), model).Ok());
  ASSERT_FALSE(model.warnings.empty());
  EXPECT_NE(std::wstring::npos, model.warnings.front().element.find(L"<Curve id=\"c1\">"))
      << "the warning names the curve";
  std::vector<int> counts;
  bool point = false;
  for (int index = 0; index < model.world->Count<ZALMPGeometry>(); ++index) {
    RVLSharedHandle<ZALMPGeometry> read;
    model.world->Get<ZALMPGeometry>(index, read);
    if (const auto* curve = dynamic_cast<const ZALMPCurve*>(read.get())) counts.push_back(curve->GetCurveCount());
    point = point || dynamic_cast<const ZALMPPoint*>(read.get());
  }
  EXPECT_TRUE(point);
  EXPECT_EQ((std::vector<int>{0, 2}), counts);
}

}  // namespace
