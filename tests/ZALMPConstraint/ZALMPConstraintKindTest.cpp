// What the geometric constraint kinds do beyond writing and reading their
// options (which the kind conformance test pins): which setters the kind's
// loader hears of, how a setter answers when the loader cannot be fetched,
// which option a copy drops, and how reading handles odd input.

#include "ZALMPConstraintTestLoader.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPCoaxialityLoader.h>
#include <ZALIMPCoincidenceLoader.h>
#include <ZALIMPDistanceLoader.h>
#include <ZALIMPParallelismLoader.h>
#include <ZALIMPPerpendicularityLoader.h>
#include <ZALIMPRollCurveConstraintLoader.h>
#include <ZALIMPSymmetryLoader.h>
#include <ZALIMPTangencyLoader.h>
#include <ZALMPCoaxiality.h>
#include <ZALMPCoincidence.h>
#include <ZALMPDistance.h>
#include <ZALMPNormal.h>
#include <ZALMPParallelism.h>
#include <ZALMPPerpendicularity.h>
#include <ZALMPRollCurveConstraint.h>
#include <ZALMPSymmetry.h>
#include <ZALMPTangency.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace {

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
RVLSharedHandle<Kind> Heard(std::vector<std::string>& heard, HRESULT answer)
{
  const RVLSharedHandle<Kind> kind = Kind::create(L"c");
  auto* const loader = new RecordingLoader<Loader>();
  loader->heard = &heard;
  loader->answer = answer;
  kind->SetLoader(loader);
  return kind;
}

// Sets each option the kind has, its told ones first, off its default (the
// told ones to the member numbered 2), and gives the setters' answers in order.
template <class Kind>
std::vector<HRESULT> SetEach(Kind& kind)
{
  std::vector<HRESULT> answers;
  if constexpr (requires { kind.SetAlignment(ZALMPAlignment::Align); })
    answers.push_back(kind.SetAlignment(ZALMPAlignment::Align));
  if constexpr (requires { kind.SetHalfSpace(ZALMPHalfSpace::Negative); })
    answers.push_back(kind.SetHalfSpace(ZALMPHalfSpace::Negative));
  if constexpr (requires { kind.SetSurfaceOrientation(ZALMPSurfaceOrientation::Negative); })
    answers.push_back(kind.SetSurfaceOrientation(ZALMPSurfaceOrientation::Negative));
  if constexpr (requires { kind.SetCircleTorusOrientation(ZALMPCircleTorusOrientation::Perpendicular); })
    answers.push_back(kind.SetCircleTorusOrientation(ZALMPCircleTorusOrientation::Perpendicular));
  if constexpr (requires { kind.SetSelectedPlane(ZALMPSelectedPlane::ZX); })
    answers.push_back(kind.SetSelectedPlane(ZALMPSelectedPlane::ZX));
  return answers;
}

// The loader hears of the `told` options; their setters answer as it does
// (S_OK without one), or `unfetched` (reported) when it cannot be fetched, the
// value stored either way. The other options only store: S_OK.
template <class Kind, class Loader>
void ExpectTold(const std::vector<std::string>& told, HRESULT unfetched)
{
  const char* const kind = Kind::ClassName();
  ReportCapture reports;
  std::vector<HRESULT> expected = SetEach(*Kind::create());
  EXPECT_EQ(std::vector<HRESULT>(expected.size(), S_OK), expected) << kind << ": no loader";
  std::vector<std::string> heard;
  std::fill_n(expected.begin(), told.size(), E_OUTOFMEMORY);
  EXPECT_EQ(expected, SetEach(*Heard<Kind, Loader>(heard, E_OUTOFMEMORY))) << kind;
  EXPECT_EQ(told, heard) << kind;

  Unreachable<Kind, Loader> lost;
  std::fill_n(expected.begin(), told.size(), unfetched);
  EXPECT_EQ(expected, SetEach(lost)) << kind << ": loader not fetched";
  EXPECT_EQ(static_cast<int>(told.size()), reports.Count()) << kind << ": only a loader not fetched is reported";
  ZALMPAlignment::Enum alignment = ZALMPAlignment::NotSpecified;
  lost.GetAlignment(alignment);
  EXPECT_EQ(ZALMPAlignment::Align, alignment) << kind << ": stored all the same";
}

TEST(ConstraintKindOptions, ToldSettersAnswerAsTheirLoaderAndTheOthersOnlyStore)
{
  ExpectTold<ZALMPCoaxiality, ZALIMPCoaxialityLoader>({"SetAlignment 2"}, S_OK);
  ExpectTold<ZALMPParallelism, ZALIMPParallelismLoader>({"SetAlignment 2"}, E_FAIL);
  ExpectTold<ZALMPPerpendicularity, ZALIMPPerpendicularityLoader>({"SetAlignment 2"}, E_FAIL);
  ExpectTold<ZALMPRollCurveConstraint, ZALIMPRollCurveConstraintLoader>({"SetAlignment 2"}, E_FAIL);
  ExpectTold<ZALMPCoincidence, ZALIMPCoincidenceLoader>({"SetAlignment 2"}, E_FAIL);
  ExpectTold<ZALMPDistance, ZALIMPDistanceLoader>({"SetAlignment 2", "SetHalfSpace 2"}, E_FAIL);
  ExpectTold<ZALMPSymmetry, ZALIMPSymmetryLoader>({"SetAlignment 2"}, E_FAIL);
  ExpectTold<ZALMPTangency, ZALIMPTangencyLoader>({"SetAlignment 2", "SetSurfaceOrientation 2"}, E_FAIL);

  // The solver parameters are the loader's to give.
  std::vector<std::string> heard;
  double parameters[2] = {};
  EXPECT_EQ(S_FALSE, (Heard<ZALMPCoincidence, ZALIMPCoincidenceLoader>(heard, S_FALSE)
                          ->GetSolverConstraintParameters(parameters)));
  EXPECT_EQ(-4.0, parameters[1]);
  EXPECT_EQ(E_FAIL, ZALMPTangency::create()->GetSolverConstraintParameters(parameters)) << "no loader";
}

TEST(ConstraintKindOptions, ACopyKeepsItsOptionsButARollCurveConstraintsAlignment)
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
}

// A distance written with AntiAlign (3) and Negative (2), edited (every
// `from` replaced), read into one whose loader answers `answer`: the loader
// hears of each option read, in element order.
TEST(ConstraintKindReading, OptionsGoThroughTheirSettersAndAMissingOneFailsTheRead)
{
  const RVLSharedHandle<ZALMPDistance> written = ZALMPDistance::create(L"d");
  written->SetAlignment(ZALMPAlignment::AntiAlign);
  written->SetHalfSpace(ZALMPHalfSpace::Negative);
  const std::string text = WrittenXml(*written);

  const struct {
    const char* what;
    std::string from, to;
    HRESULT answer, status;
    std::vector<std::string> heard;
    int reports;
  } rows[] = {
      {"as written, the loader refusing each", "", "", E_FAIL, E_FAIL, {"SetAlignment 3", "SetHalfSpace 2"}, 3},
      {"a name outside the table", ">Negative<", ">Sideways<", S_OK, S_OK, {"SetAlignment 3", "SetHalfSpace 0"}, 0},
      {"no half space", "<HalfSpace>.*</HalfSpace>", "", S_OK, E_FAIL, {"SetAlignment 3"}, 2},
      {"no distance element", "Distance", "Coaxiality", S_OK, E_FAIL, {}, 1},
  };
  for (const auto& row : rows) {
    std::vector<std::string> heard;
    const RVLSharedHandle<ZALMPDistance> distance = Heard<ZALMPDistance, ZALIMPDistanceLoader>(heard, row.answer);
    ReportCapture reports;
    const auto edited = ReadXml(std::regex_replace(text, std::regex(row.from), row.to));
    EXPECT_EQ(row.status, distance->Deserialize(edited.get(), {})) << row.what;
    EXPECT_EQ(row.heard, heard) << row.what;
    EXPECT_EQ(row.reports, reports.Count()) << row.what;
  }
}

}  // namespace
