// What a surface holds and how it keeps it in a file. The layout it writes at
// every version is pinned by the kind conformance test.

#include "ZALMPModellerSamples.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPSurface.h>

#include <ZALBaseUnknownRef.h>
#include <ZALTRVCircularSpan.h>
#include <ZALTRVCylinder.h>
#include <ZALTRVPlane.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ZALBaseUnknownRef<ZALTRVPlane> Plane(double size)
{
  return ZALTRVPlane::Create({0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 0.0, size, -size, size);
}

ZALBaseUnknown* SurfaceOf(const ZALMPSurface& surface)
{
  ZALBaseUnknown* held = nullptr;
  EXPECT_EQ(S_OK, surface.GetSurface(held));
  return held;
}

// A host design object that is no modeller object.
class Foreign : public ZALBaseUnknown {};

TEST(Surface, HoldsOneReferenceOnWhatItIsGivenAndLetsGoOfTheOneBefore)
{
  RVLSharedHandle<ZALMPSurface> surface = ZALMPSurface::create(L"Skin");
  EXPECT_EQ(nullptr, SurfaceOf(*surface));
  const ZALBaseUnknownRef<ZALTRVPlane> plane = Plane(1.0);
  ZALTRVCircularSpan halfTurn;
  halfTurn.endAngle = 3.0;
  const ZALBaseUnknownRef<ZALTRVCylinder> cylinder = ZALTRVCylinder::Create(halfTurn, 0.0, 1.0);
  ASSERT_TRUE(plane && cylinder);

  EXPECT_EQ(S_OK, surface->SetSurface(plane.get()));
  EXPECT_EQ(S_OK, surface->SetSurface(plane.get()));
  EXPECT_EQ(2u, plane->GetRefCount()) << "the same surface again keeps one reference";
  EXPECT_EQ(plane.get(), SurfaceOf(*surface));
  EXPECT_EQ(2u, plane->GetRefCount()) << "reading the surface gives no reference";

  EXPECT_EQ(S_OK, surface->SetSurface(cylinder.get()));
  EXPECT_EQ(1u, plane->GetRefCount());
  EXPECT_EQ(2u, cylinder->GetRefCount());
  RVLSharedHandle<ZALMPSurface> copy = ZALMPSurface::clone(surface);
  ASSERT_TRUE(copy);
  EXPECT_EQ(cylinder.get(), SurfaceOf(*copy)) << "a copy holds the same surface";
  EXPECT_EQ(3u, cylinder->GetRefCount());
  copy = nullptr;

  EXPECT_EQ(S_OK, surface->SetSurface(nullptr));
  EXPECT_EQ(nullptr, SurfaceOf(*surface));
  EXPECT_EQ(1u, cylinder->GetRefCount());
  surface->SetSurface(plane.get());
  surface = nullptr;
  EXPECT_EQ(1u, plane->GetRefCount()) << "a surface releases what it holds when it goes";
}

TEST(SurfaceLayout, TheSurfaceComesBackAndNoneReadsAsNone)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPSurface> source = ZALMPSurface::create(L"Skin");
  source->SetSurface(Plane(2.0).get());
  const std::string text = WrittenXml(*source);
  const RVLSharedHandle<ZALMPSurface> read = ZALMPSurface::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {}));
  ZALITRVObject* const back = dynamic_cast<ZALITRVObject*>(SurfaceOf(*read));
  ASSERT_TRUE(back);
  EXPECT_NE(SurfaceOf(*source), back);
  EXPECT_TRUE(back->IsEqual(*Plane(2.0)));
  EXPECT_EQ(text, WrittenXml(*read));

  // No surface is an empty stream, and reading one leaves no surface.
  const RVLSharedHandle<ZALMPSurface> empty = ZALMPSurface::create(L"Bare");
  const std::string none = WrittenXml(*empty);
  EXPECT_NE(std::string::npos, none.find("<SurfaceStream length=\"4\">")) << none;
  const RVLSharedHandle<ZALMPSurface> emptied = ZALMPSurface::create();
  emptied->SetSurface(Plane(1.0).get());
  EXPECT_EQ(S_OK, emptied->Deserialize(ReadXml(none).get(), {}));
  EXPECT_EQ(nullptr, SurfaceOf(*emptied));
  EXPECT_EQ(0, reports.Count());

  // A surface that is no modeller object cannot be kept: reported, and written as none.
  const ZALBaseUnknownRef<Foreign> foreign(new Foreign());
  empty->SetSurface(foreign.get());
  EXPECT_EQ(none, WrittenXml(*empty));
  EXPECT_EQ(std::vector<std::string>{"ZALMPGeometry.m/src/ZALMPSurface"}, reports.Files());
  empty->SetSurface(nullptr);
}

TEST(SurfaceLayout, ADamagedStreamIsReportedAndKeepsTheSurfaceHeld)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPSurface> source = ZALMPSurface::create(L"Skin");
  source->SetSurface(Plane(2.0).get());
  const std::string text = WrittenXml(*source);
  const ZALBaseUnknownRef<ZALTRVPlane> held = Plane(1.0);
  const auto cut = [](std::string s) { return s.substr(0, s.size() - 4); };
  const auto notBase64 = [](std::string s) { return s.insert(4, "!"); };
  const auto longer = [](std::string s) { return s + "AAAA"; };
  for (const std::string& damaged :
       {WithElementText(text, "SurfaceStream", cut), WithElementText(text, "SurfaceStream", notBase64),
        WithElementText(text, "SurfaceStream", longer)}) {
    const RVLSharedHandle<ZALMPSurface> read = ZALMPSurface::create();
    read->SetSurface(held.get());
    reports.Clear();
    EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(damaged).get(), {})) << damaged;
    EXPECT_LE(1, reports.Count()) << damaged;
    EXPECT_EQ(held.get(), SurfaceOf(*read)) << damaged;
  }
}

}  // namespace
