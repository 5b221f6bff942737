// The kinematic constraints: their selected axes, and how the axes are read
// back (the element of each kind and the axes' names are pinned by the kind
// conformance test).

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPPrismaticConstraint.h>
#include <ZALMPRevoluteConstraint.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

const char* const kSource = "ZALMPConstraint.m/src/ZALMPKinematicConstraint";
using Axis = ZALMPSelectedAxis;

std::pair<Axis::Enum, Axis::Enum> Axes(const ZALMPKinematicConstraint& constraint)
{
  std::pair<Axis::Enum, Axis::Enum> axes{Axis::X, Axis::X};
  EXPECT_EQ(S_OK, constraint.GetSelectedAxis(0, axes.first));
  EXPECT_EQ(S_OK, constraint.GetSelectedAxis(1, axes.second));
  return axes;
}

TEST(KinematicConstraint, AxesAreSelectedByIndexZeroOrOneAndAreCopied)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPRevoluteConstraint> revolute = ZALMPRevoluteConstraint::create(L"r");
  EXPECT_EQ(S_OK, revolute->SetSelectedAxis(0, Axis::YNeg));
  EXPECT_EQ(S_OK, revolute->SetSelectedAxis(1, Axis::X));
  for (const int index : {-1, 2}) {
    Axis::Enum axis = Axis::ZNeg;
    EXPECT_EQ(E_FAIL, revolute->SetSelectedAxis(index, Axis::Y)) << index;
    EXPECT_EQ(E_FAIL, revolute->GetSelectedAxis(index, axis)) << index;
    EXPECT_EQ(Axis::ZNeg, axis) << "left as it was, index " << index;
  }
  EXPECT_EQ((std::vector<std::string>(4, kSource)), reports.Files());
  EXPECT_EQ(std::make_pair(Axis::YNeg, Axis::X), Axes(*ZALMPRevoluteConstraint::clone(revolute)));
}

// A prismatic constraint with axes Y and ZNeg, written and edited, read into
// one holding XNeg and YNeg.
TEST(KinematicConstraint, AnUnknownAxisNameReadsAsXAndAMissingAxisOrElementFails)
{
  const RVLSharedHandle<ZALMPPrismaticConstraint> source = ZALMPPrismaticConstraint::create(L"p");
  source->SetSelectedAxis(0, Axis::Y);
  source->SetSelectedAxis(1, Axis::ZNeg);
  const std::string text = WrittenXml(*source);

  const struct {
    const char* what;
    std::string from, to;
    HRESULT status;
    std::pair<Axis::Enum, Axis::Enum> axes;
    int reports;
  } rows[] = {
      {"a name outside the table", ">ZNeg<", ">Sideways<", S_OK, {Axis::Y, Axis::X}, 0},
      {"no first axis", "<SelectedAxis0>[^<]*</SelectedAxis0>", "", E_FAIL, {Axis::XNeg, Axis::ZNeg}, 1},
      {"another kind's element", "PrismaticConstraint", "RevoluteConstraint", E_FAIL, {Axis::XNeg, Axis::YNeg}, 1},
  };
  for (const auto& row : rows) {
    const RVLSharedHandle<ZALMPPrismaticConstraint> read = ZALMPPrismaticConstraint::create(L"");
    read->SetSelectedAxis(0, Axis::XNeg);
    read->SetSelectedAxis(1, Axis::YNeg);
    ReportCapture reports;
    EXPECT_EQ(row.status, read->Deserialize(ReadXml(std::regex_replace(text, std::regex(row.from), row.to)).get(), {}))
        << row.what;
    EXPECT_EQ(row.axes, Axes(*read)) << row.what;
    EXPECT_EQ((std::vector<std::string>(row.reports, kSource)), reports.Files()) << row.what;
  }
}

}  // namespace
