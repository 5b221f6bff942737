// The kinematic constraints: their selected axes, the element each kind is
// written under, how the axes are read back, and their loader.

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPKinematicConstraintLoader.h>
#include <ZALMPCylindricalConstraint.h>
#include <ZALMPPlanarConstraint.h>
#include <ZALMPPrismaticConstraint.h>
#include <ZALMPRevoluteConstraint.h>
#include <ZALMPSphericalConstraint.h>
#include <ZALMPUniversalConstraint.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

namespace {

const char* const kSource = "ZALMPConstraint.m/src/ZALMPKinematicConstraint";
using Axis = ZALMPSelectedAxis;

std::string Written(const ZALMPEntity& constraint)
{
  HRESULT written = E_FAIL;
  std::string text = WriteXml(constraint, ZALMPVersion::kNewest, written);
  EXPECT_EQ(S_OK, written);
  return text;
}

std::pair<Axis::Enum, Axis::Enum> Axes(const ZALMPKinematicConstraint& constraint)
{
  std::pair<Axis::Enum, Axis::Enum> axes{Axis::X, Axis::X};
  EXPECT_EQ(S_OK, constraint.GetSelectedAxis(0, axes.first));
  EXPECT_EQ(S_OK, constraint.GetSelectedAxis(1, axes.second));
  return axes;
}

TEST(KinematicConstraint, AxesStartAsZAreSelectedByIndexZeroOrOneAndAreCopied)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPRevoluteConstraint> revolute = ZALMPRevoluteConstraint::create(L"r");
  EXPECT_EQ(std::make_pair(Axis::Z, Axis::Z), Axes(*revolute));
  EXPECT_EQ(S_OK, revolute->SetSelectedAxis(0, Axis::YNeg));
  EXPECT_EQ(S_OK, revolute->SetSelectedAxis(1, Axis::X));
  for (const int index : {-1, 2}) {
    Axis::Enum axis = Axis::ZNeg;
    EXPECT_EQ(E_FAIL, revolute->SetSelectedAxis(index, Axis::Y)) << index;
    EXPECT_EQ(E_FAIL, revolute->GetSelectedAxis(index, axis)) << index;
    EXPECT_EQ(Axis::ZNeg, axis) << "left as it was, index " << index;
  }
  EXPECT_EQ((std::vector<std::string>(4, kSource)), reports.Files());
  EXPECT_EQ(std::make_pair(Axis::YNeg, Axis::X), Axes(*revolute)) << "refused indices change nothing";
  EXPECT_EQ(std::make_pair(Axis::YNeg, Axis::X), Axes(*ZALMPRevoluteConstraint::clone(revolute)));
}

// Each kind reads only the element it writes, so a tree of one kind does not
// read as the next.
TEST(KinematicConstraint, EachKindIsWrittenUnderItsOwnElementAndReadsOnlyThat)
{
  const std::vector<std::pair<std::string, std::function<RVLSharedHandle<ZALMPKinematicConstraint>()>>> kinds = {
      {"CylindricalConstraint", [] { return ZALMPCylindricalConstraint::create(L"k"); }},
      {"PlanarConstraint", [] { return ZALMPPlanarConstraint::create(L"k"); }},
      {"PrismaticConstraint", [] { return ZALMPPrismaticConstraint::create(L"k"); }},
      {"RevoluteConstraint", [] { return ZALMPRevoluteConstraint::create(L"k"); }},
      {"SphericalConstraint", [] { return ZALMPSphericalConstraint::create(L"k"); }},
      {"UniversalConstraint", [] { return ZALMPUniversalConstraint::create(L"k"); }},
  };
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const auto& [element, make] = kinds[i];
    const std::string text = Written(*make());
    EXPECT_TRUE(std::regex_search(text, std::regex("<" + element + "[ >]"))) << element << " in " << text;
    ReportCapture reports;
    EXPECT_EQ(S_OK, make()->Deserialize(ReadXml(text).get(), {})) << element;
    EXPECT_EQ(E_FAIL, kinds[(i + 1) % kinds.size()].second()->Deserialize(ReadXml(text).get(), {})) << element;
    EXPECT_EQ(std::vector<std::string>{kSource}, reports.Files()) << element;
  }
}

TEST(KinematicConstraint, AnUnknownAxisNameReadsAsXAndAMissingAxisIsKeptButFails)
{
  const RVLSharedHandle<ZALMPPrismaticConstraint> source = ZALMPPrismaticConstraint::create(L"p");
  source->SetSelectedAxis(0, Axis::Y);
  source->SetSelectedAxis(1, Axis::ZNeg);
  const std::string text = Written(*source);
  ReportCapture reports;

  const RVLSharedHandle<ZALMPPrismaticConstraint> read = ZALMPPrismaticConstraint::create(L"");
  const std::string unknown = std::regex_replace(text, std::regex(">ZNeg<"), ">Sideways<");
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(unknown).get(), {}));
  EXPECT_EQ(std::make_pair(Axis::Y, Axis::X), Axes(*read));
  EXPECT_EQ(0, reports.Count()) << "a name outside the table is no failure";

  const RVLSharedHandle<ZALMPPrismaticConstraint> partly = ZALMPPrismaticConstraint::create(L"");
  partly->SetSelectedAxis(0, Axis::XNeg);
  partly->SetSelectedAxis(1, Axis::YNeg);
  const std::string missing = std::regex_replace(text, std::regex("<SelectedAxis0>[^<]*</SelectedAxis0>"), "");
  EXPECT_EQ(E_FAIL, partly->Deserialize(ReadXml(missing).get(), {}));
  EXPECT_EQ(std::make_pair(Axis::XNeg, Axis::ZNeg), Axes(*partly)) << "the missing one kept, the other read";
  EXPECT_EQ(std::vector<std::string>{kSource}, reports.Files());
}

class KinematicLoader : public ZALIMPKinematicConstraintLoader {
public:
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT UpdateParameters() override { return S_OK; }
  bool IsSatisfied(double& error) override
  {
    error = 0.25;
    return true;
  }
  bool IsSatisfied() override { return true; }
  HRESULT CurrentValue(int, double&, double&) override { return S_FALSE; }
  HRESULT CurrentValue(double& value) override
  {
    value = 2.0;
    return S_OK;
  }
  HRESULT CurrentOptions(ZALMPOptionsOrientation&) override { return S_OK; }
};

TEST(KinematicConstraint, ItsLoaderIsAKinematicConstraintLoaderThatAnswersAsAnyConstraintLoader)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPSphericalConstraint> spherical = ZALMPSphericalConstraint::create(L"s");
  ZALIMPKinematicConstraintLoader* loader = nullptr;
  EXPECT_EQ(S_OK, spherical->GetLoader(loader));
  EXPECT_EQ(nullptr, loader);
  KinematicLoader* const host = new KinematicLoader();
  spherical->SetLoader(host);
  EXPECT_EQ(S_OK, spherical->GetLoader(loader));
  EXPECT_EQ(host, loader);
  double error = 0.0, value = 0.0;
  EXPECT_TRUE(spherical->IsSatisfied(error));
  EXPECT_EQ(0.25, error);
  EXPECT_TRUE(spherical->IsSatisfied());
  EXPECT_EQ(S_OK, spherical->CurrentValue(value));
  EXPECT_EQ(2.0, value);
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
