// What the geometric constraint kinds do beyond writing and reading their
// options (which the kind conformance test pins): which setters the kind's
// loader hears of, how a setter answers when the loader cannot be fetched,
// which options a copy keeps, and how reading handles odd input.

#include "ZALMPTestSupport.h"

#include <ZALIMPCoaxialityLoader.h>
#include <ZALIMPCoincidenceLoader.h>
#include <ZALIMPDistanceLoader.h>
#include <ZALIMPParallelismLoader.h>
#include <ZALIMPPerpendicularityLoader.h>
#include <ZALIMPRollCurveConstraintLoader.h>
#include <ZALIMPSymmetryLoader.h>
#include <ZALIMPTangencyLoader.h>
#include <ZALMPAngle.h>
#include <ZALMPCoaxiality.h>
#include <ZALMPCoincidence.h>
#include <ZALMPDistance.h>
#include <ZALMPNormal.h>
#include <ZALMPParallelism.h>
#include <ZALMPPerpendicularity.h>
#include <ZALMPRollCurveConstraint.h>
#include <ZALMPSymmetry.h>
#include <ZALMPTangency.h>
#include <ZALMPXmlCodec.h>
#include <ZALMPXmlWriter.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Any kind's loader: records what it hears as "<call-back> <number>" and answers `answer`.
template <class Loader>
class Recording : public Loader {
public:
  std::vector<std::string>* heard = nullptr;
  HRESULT answer = S_FALSE;

  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  bool IsSatisfied(double&) override { return true; }
  bool IsSatisfied() override { return true; }
  HRESULT CurrentValue(int, double&, double&) override { return S_OK; }
  HRESULT CurrentValue(double&) override { return S_OK; }
  HRESULT UpdateParameters() override { return S_OK; }
  HRESULT CurrentOptions(ZALMPOptionsOrientation&) override { return S_OK; }

  HRESULT SetAlignment(ZALMPAlignment::Enum a) { return Hear("SetAlignment", a); }
  HRESULT SetHalfSpace(ZALMPHalfSpace::Enum h) { return Hear("SetHalfSpace", h); }
  HRESULT SetSurfaceOrientation(ZALMPSurfaceOrientation::Enum o) { return Hear("SetSurfaceOrientation", o); }
  HRESULT GetSolverConstraintParameters(double* parameters)
  {
    parameters[0] = 0.25;
    parameters[1] = -4.0;
    return Hear("GetSolverConstraintParameters", 2);
  }

private:
  HRESULT Hear(const std::string& callback, int number)
  {
    heard->push_back(callback + " " + std::to_string(number));
    return answer;
  }
};

// A kind whose own loader cannot be fetched.
template <class Kind, class Loader>
class Unreachable : public Kind {
public:
  using Kind::GetLoader;
  HRESULT GetLoader(Loader*& loader) const override
  {
    loader = nullptr;
    return E_FAIL;
  }
};

template <class Kind, class Loader>
RVLSharedHandle<Kind> Heard(std::vector<std::string>& heard, HRESULT answer = S_FALSE)
{
  const RVLSharedHandle<Kind> kind = Kind::create(L"c");
  auto* const loader = new Recording<Loader>();
  loader->heard = &heard;
  loader->answer = answer;
  kind->SetLoader(loader);
  return kind;
}

// A setter that tells the loader: the value is stored first, whatever the
// loader answers, and the loader's answer is the setter's.
template <class Kind, class Loader, class Enum>
void ExpectTold(HRESULT (Kind::*set)(Enum), HRESULT (Kind::*get)(Enum&) const, Enum value, const std::string& heard,
                HRESULT unfetched, const char* what)
{
  ReportCapture reports;
  std::vector<std::string> calls;
  Enum got{};
  EXPECT_EQ(S_OK, (*Kind::create(L"c").*set)(value)) << what << ": no loader";
  const RVLSharedHandle<Kind> told = Heard<Kind, Loader>(calls, E_OUTOFMEMORY);
  EXPECT_EQ(E_OUTOFMEMORY, (*told.*set)(value)) << what;
  (*told.*get)(got);
  EXPECT_EQ(value, got) << what << ": stored although the loader failed";
  EXPECT_EQ(std::vector<std::string>{heard}, calls) << what;
  EXPECT_EQ(0, reports.Count()) << what << ": the loader's own answer is not reported";

  Unreachable<Kind, Loader> lost;
  EXPECT_EQ(unfetched, (lost.*set)(value)) << what << ": loader not fetched";
  (lost.*get)(got);
  EXPECT_EQ(value, got) << what;
  EXPECT_EQ(1, reports.Count()) << what << ": a loader not fetched is reported";
}

TEST(ConstraintKindOptions, EachToldSetterStoresThenReturnsItsLoadersAnswer)
{
  using A = ZALMPAlignment;
  ExpectTold<ZALMPCoaxiality, ZALIMPCoaxialityLoader>(&ZALMPCoaxiality::SetAlignment, &ZALMPCoaxiality::GetAlignment,
                                                      A::Align, "SetAlignment 2", S_OK, "coaxiality");
  ExpectTold<ZALMPParallelism, ZALIMPParallelismLoader>(&ZALMPParallelism::SetAlignment,
                                                        &ZALMPParallelism::GetAlignment, A::AntiAlign,
                                                        "SetAlignment 3", E_FAIL, "parallelism");
  ExpectTold<ZALMPPerpendicularity, ZALIMPPerpendicularityLoader>(
      &ZALMPPerpendicularity::SetAlignment, &ZALMPPerpendicularity::GetAlignment, A::Specified, "SetAlignment 1",
      E_FAIL, "perpendicularity");
  ExpectTold<ZALMPRollCurveConstraint, ZALIMPRollCurveConstraintLoader>(
      &ZALMPRollCurveConstraint::SetAlignment, &ZALMPRollCurveConstraint::GetAlignment, A::Align, "SetAlignment 2",
      E_FAIL, "roll curve");
  ExpectTold<ZALMPCoincidence, ZALIMPCoincidenceLoader>(&ZALMPCoincidence::SetAlignment,
                                                        &ZALMPCoincidence::GetAlignment, A::AntiAlign,
                                                        "SetAlignment 3", E_FAIL, "coincidence");
  ExpectTold<ZALMPDistance, ZALIMPDistanceLoader>(&ZALMPDistance::SetAlignment, &ZALMPDistance::GetAlignment,
                                                  A::Align, "SetAlignment 2", E_FAIL, "distance alignment");
  ExpectTold<ZALMPDistance, ZALIMPDistanceLoader>(&ZALMPDistance::SetHalfSpace, &ZALMPDistance::GetHalfSpace,
                                                  ZALMPHalfSpace::Negative, "SetHalfSpace 2", E_FAIL,
                                                  "distance half space");
  ExpectTold<ZALMPSymmetry, ZALIMPSymmetryLoader>(&ZALMPSymmetry::SetAlignment, &ZALMPSymmetry::GetAlignment,
                                                  A::AntiAlign, "SetAlignment 3", E_FAIL, "symmetry");
  ExpectTold<ZALMPTangency, ZALIMPTangencyLoader>(&ZALMPTangency::SetAlignment, &ZALMPTangency::GetAlignment,
                                                  A::Align, "SetAlignment 2", E_FAIL, "tangency alignment");
  ExpectTold<ZALMPTangency, ZALIMPTangencyLoader>(
      &ZALMPTangency::SetSurfaceOrientation, &ZALMPTangency::GetSurfaceOrientation,
      ZALMPSurfaceOrientation::Positive, "SetSurfaceOrientation 1", E_FAIL, "tangency orientation");
}

TEST(ConstraintKindOptions, StoredOptionsAreNotToldAndTheSolverParametersNeedALoader)
{
  ReportCapture reports;
  std::vector<std::string> heard;
  const RVLSharedHandle<ZALMPCoincidence> coincidence = Heard<ZALMPCoincidence, ZALIMPCoincidenceLoader>(heard);
  const RVLSharedHandle<ZALMPSymmetry> symmetry = Heard<ZALMPSymmetry, ZALIMPSymmetryLoader>(heard);
  EXPECT_EQ(S_OK, coincidence->SetCircleTorusOrientation(ZALMPCircleTorusOrientation::Perpendicular));
  EXPECT_EQ(S_OK, symmetry->SetSelectedPlane(ZALMPSelectedPlane::ZX));
  EXPECT_TRUE(heard.empty());

  double parameters[2] = {};
  EXPECT_EQ(S_FALSE, coincidence->GetSolverConstraintParameters(parameters)) << "the loader's answer";
  EXPECT_EQ(-4.0, parameters[1]);
  EXPECT_EQ(std::vector<std::string>{"GetSolverConstraintParameters 2"}, heard);
  EXPECT_EQ(E_FAIL, ZALMPTangency::create()->GetSolverConstraintParameters(parameters)) << "no loader";
  EXPECT_EQ(0, reports.Count());
  EXPECT_EQ(E_FAIL, (Unreachable<ZALMPTangency, ZALIMPTangencyLoader>().GetSolverConstraintParameters(parameters)));
  EXPECT_EQ(1, reports.Count());
}

// Every kind with an alignment copies it, but for the roll-curve constraint.
TEST(ConstraintKindOptions, ACopyKeepsItsSourcesOptionsButARollCurveConstraintsAlignment)
{
  const auto copied = []<class Kind>(const RVLSharedHandle<Kind>& source) {
    source->SetAlignment(ZALMPAlignment::AntiAlign);
    ZALMPAlignment::Enum alignment = ZALMPAlignment::Specified;
    Kind::clone(source)->GetAlignment(alignment);
    return alignment;
  };
  EXPECT_EQ(ZALMPAlignment::AntiAlign, copied(ZALMPNormal::create()));
  EXPECT_EQ(ZALMPAlignment::AntiAlign, copied(ZALMPSymmetry::create()));
  EXPECT_EQ(ZALMPAlignment::AntiAlign, copied(ZALMPTangency::create()));
  EXPECT_EQ(ZALMPAlignment::NotSpecified, copied(ZALMPRollCurveConstraint::create()));

  const RVLSharedHandle<ZALMPAngle> angle = ZALMPAngle::create();
  angle->SetHingeMode(ZALMPHingeMode::Coincident);
  ZALMPHingeMode::Enum mode = ZALMPHingeMode::NotSpecified;
  ZALMPAngle::clone(angle)->GetHingeMode(mode);
  EXPECT_EQ(ZALMPHingeMode::Coincident, mode);
}

// The text of a distance as written, edited: reading the edited text gives the
// status and options of the row.
struct DistanceInput {
  const char* what;
  std::string from, to;
  HRESULT status;
  ZALMPAlignment::Enum alignment;
  ZALMPHalfSpace::Enum halfSpace;
  int reports;
  std::size_t told;
};

TEST(ConstraintKindReading, OptionsGoThroughTheirSettersAndAMissingOneFailsTheRead)
{
  const RVLSharedHandle<ZALMPDistance> written = ZALMPDistance::create(L"d");
  written->SetAlignment(ZALMPAlignment::AntiAlign);
  written->SetHalfSpace(ZALMPHalfSpace::Negative);
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, written->Serialize(&root));
  const std::string text = ZALMPXmlCodec::Write(root);
  const std::string half = "<HalfSpace>Negative</HalfSpace>";
  const std::string align = "<Alignment>AntiAlign</Alignment>";
  ASSERT_NE(std::string::npos, text.find(half));
  ASSERT_NE(std::string::npos, text.find(align));

  using A = ZALMPAlignment;
  using H = ZALMPHalfSpace;
  const DistanceInput rows[] = {
      {"as written", "", "", S_OK, A::AntiAlign, H::Negative, 0, 2},
      {"a name outside the table", half, "<HalfSpace>Sideways</HalfSpace>", S_OK, A::AntiAlign, H::NotSpecified, 0, 2},
      {"a name in another case", align, "<Alignment>antialign</Alignment>", S_OK, A::NotSpecified, H::Negative, 0, 2},
      {"no half space", half, "", E_FAIL, A::AntiAlign, H::Positive, 2, 1},
      {"no alignment", align, "", E_FAIL, A::Specified, H::Negative, 2, 1},
      {"no distance element", "<Distance ", "<Coaxiality ", E_FAIL, A::Specified, H::Positive, 1, 0},
  };
  for (const DistanceInput& row : rows) {
    std::string edited = text;
    if (!row.from.empty()) edited.replace(edited.find(row.from), row.from.size(), row.to);
    if (row.from == "<Distance ") edited.replace(edited.find("</Distance>"), 11, "</Coaxiality>");
    std::unique_ptr<ZALMPXmlReader> read;
    ASSERT_TRUE(ZALMPXmlCodec::Read(edited, read).Ok()) << row.what;

    std::vector<std::string> heard;
    const RVLSharedHandle<ZALMPDistance> distance = Heard<ZALMPDistance, ZALIMPDistanceLoader>(heard, S_OK);
    distance->SetAlignment(A::Specified);
    distance->SetHalfSpace(H::Positive);
    heard.clear();
    ReportCapture reports;
    EXPECT_EQ(row.status, distance->Deserialize(read.get(), {})) << row.what;
    EXPECT_EQ(row.reports, reports.Count()) << row.what;
    A::Enum alignment = A::NotSpecified;
    H::Enum halfSpace = H::NotSpecified;
    distance->GetAlignment(alignment);
    distance->GetHalfSpace(halfSpace);
    EXPECT_EQ(row.alignment, alignment) << row.what;
    EXPECT_EQ(row.halfSpace, halfSpace) << row.what;
    EXPECT_EQ(row.told, heard.size()) << row.what << ": each option read is told";
  }
}

TEST(ConstraintKindReading, ALoaderRefusingAnOptionFailsTheReadYetEveryOptionIsApplied)
{
  const RVLSharedHandle<ZALMPTangency> written = ZALMPTangency::create(L"t");
  written->SetAlignment(ZALMPAlignment::Align);
  written->SetSurfaceOrientation(ZALMPSurfaceOrientation::Negative);
  ZALMPXmlWriter root;
  written->Serialize(&root);
  std::unique_ptr<ZALMPXmlReader> read;
  ASSERT_TRUE(ZALMPXmlCodec::Read(ZALMPXmlCodec::Write(root), read).Ok());

  ReportCapture reports;
  std::vector<std::string> heard;
  const RVLSharedHandle<ZALMPTangency> tangency = Heard<ZALMPTangency, ZALIMPTangencyLoader>(heard, E_FAIL);
  EXPECT_EQ(E_FAIL, tangency->Deserialize(read.get(), {}));
  EXPECT_EQ(3, reports.Count()) << "each refusal and the failed read";
  EXPECT_EQ((std::vector<std::string>{"SetAlignment 2", "SetSurfaceOrientation 2"}), heard) << "in element order";
  ZALMPSurfaceOrientation::Enum orientation = ZALMPSurfaceOrientation::NotSpecified;
  tangency->GetSurfaceOrientation(orientation);
  EXPECT_EQ(ZALMPSurfaceOrientation::Negative, orientation);
}

}  // namespace
