// What a surface holds and how it keeps it in a file. The layout it writes at
// every version, and that the surface comes back, is pinned by the kind
// conformance test.

#include "ZALMPModellerSamples.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPSurface.h>

#include <ZALBaseUnknownRef.h>
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

TEST(Surface, HoldsOneReferenceOnWhatItIsGivenAndLetsGoOfTheOneBefore)
{
  RVLSharedHandle<ZALMPSurface> surface = ZALMPSurface::create(L"Skin");
  const ZALBaseUnknownRef<ZALTRVPlane> plane = Plane(1.0), other = Plane(2.0);
  EXPECT_EQ(S_OK, surface->SetSurface(plane.get()));
  EXPECT_EQ(S_OK, surface->SetSurface(plane.get()));
  EXPECT_EQ(plane.get(), SurfaceOf(*surface));
  EXPECT_EQ(2u, plane->GetRefCount()) << "the same surface again, or reading it, takes no reference";
  EXPECT_EQ(S_OK, surface->SetSurface(other.get()));
  EXPECT_EQ(1u, plane->GetRefCount());
  const RVLSharedHandle<ZALMPSurface> copy = ZALMPSurface::clone(surface);
  EXPECT_EQ(other.get(), SurfaceOf(*copy)) << "a copy holds the same surface";
  EXPECT_EQ(S_OK, surface->SetSurface(nullptr));
  EXPECT_EQ(2u, other->GetRefCount()) << "the copy's";
  surface->SetSurface(plane.get());
  surface = nullptr;
  EXPECT_EQ(1u, plane->GetRefCount()) << "a surface releases what it holds when it goes";
}

// A host design object that is no modeller object.
class Foreign : public ZALBaseUnknown {};

TEST(SurfaceLayout, NoneReadsAsNoneAndDamageChangesNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPSurface> source = ZALMPSurface::create(L"Skin");
  source->SetSurface(Plane(2.0).get());
  const std::string text = WrittenXml(*source);

  // Without a surface, or with one that is no modeller object (reported), an
  // empty stream is written; reading it leaves no surface.
  const RVLSharedHandle<ZALMPSurface> bare = ZALMPSurface::create(L"Bare");
  const std::string none = WrittenXml(*bare);
  EXPECT_NE(std::string::npos, none.find("<SurfaceStream length=\"4\">")) << none;
  EXPECT_EQ(0, reports.Count());
  bare->SetSurface(ZALBaseUnknownRef<Foreign>(new Foreign()).get());
  EXPECT_EQ(none, WrittenXml(*bare));
  EXPECT_EQ(std::vector<std::string>{"ZALMPGeometry.m/src/ZALMPSurface"}, reports.Files());
  EXPECT_EQ(S_OK, bare->Deserialize(ReadXml(none).get(), {}));
  EXPECT_EQ(nullptr, SurfaceOf(*bare));

  // A damaged stream fails and keeps the surface held.
  for (std::string (*damage)(std::string) : {+[](std::string s) { return s.substr(0, s.size() - 4); },
                                              +[](std::string s) { return s.insert(4, "!"); }}) {
    const std::string damaged = WithElementText(text, "SurfaceStream", damage);
    const RVLSharedHandle<ZALMPSurface> kept = ZALMPSurface::create();
    kept->SetSurface(SurfaceOf(*source));
    reports.Clear();
    EXPECT_EQ(E_FAIL, kept->Deserialize(ReadXml(damaged).get(), {})) << damaged;
    EXPECT_LE(1, reports.Count()) << damaged;
    EXPECT_EQ(SurfaceOf(*source), SurfaceOf(*kept)) << damaged;
  }
}

}  // namespace
