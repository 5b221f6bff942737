// Couplings: the equation that is their first constraint, how each kind
// writes it and reads it back in front, and the kinds that give no frame.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPJointLoader.h>
#include <ZALMPCable.h>
#include <ZALMPEquation.h>
#include <ZALMPGear.h>
#include <ZALMPLinearEquation.h>
#include <ZALMPRack.h>
#include <ZALMPScrew.h>

#include <RVLEInvalidCast.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The names of `coupling`'s constraints, in order.
std::vector<std::wstring> ConstraintsOf(const ZALMPJoint& coupling)
{
  std::vector<std::wstring> names;
  for (int i = 0; i < coupling.GetConstraintCount(); ++i) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    coupling.GetConstraint(i, constraint);
    names.push_back(constraint->getEntityName());
  }
  return names;
}

std::wstring EquationOf(const ZALMPCoupling& coupling)
{
  RVLSharedHandle<ZALMPEquation> equation;
  const HRESULT status = coupling.GetEquation(equation);
  EXPECT_EQ(equation ? S_OK : E_FAIL, status);
  return equation ? equation->getEntityName() : L"<none>";
}

TEST(CouplingEquation, SetEquationMakesTheEquationFirstReplacingAnEquationOnly)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPGear> gear = ZALMPGear::create(L"gear");
  const RVLSharedHandle<ZALMPEquation> ratio = ZALMPEquation::create(L"ratio");
  const RVLSharedHandle<ZALMPLinearEquation> linear = ZALMPLinearEquation::create(L"linear");
  const RVLSharedHandle<TestConstraint> tie = TestConstraint::create(L"tie");
  EXPECT_EQ(L"<none>", EquationOf(*gear));

  EXPECT_EQ(S_OK, gear->SetEquation(ratio));
  EXPECT_EQ(L"ratio", EquationOf(*gear));
  EXPECT_EQ(S_OK, gear->SetEquation(linear)) << "a linear equation is an equation too";
  EXPECT_EQ(std::vector<std::wstring>{L"linear"}, ConstraintsOf(*gear)) << "the equation there is replaced";

  const RVLSharedHandle<ZALMPRack> rack = ZALMPRack::create(L"rack");
  rack->AddConstraint(tie);
  EXPECT_EQ(L"<none>", EquationOf(*rack)) << "the first constraint is no equation";
  EXPECT_EQ(S_OK, rack->SetEquation(ratio));
  EXPECT_EQ((std::vector<std::wstring>{L"ratio", L"tie"}), ConstraintsOf(*rack)) << "the other one is kept second";
  rack->AddConstraint(linear);
  EXPECT_EQ(S_OK, rack->SetEquation(linear));
  EXPECT_EQ((std::vector<std::wstring>{L"linear", L"tie"}), ConstraintsOf(*rack))
      << "an equation further down moves to the front, once";
  EXPECT_EQ(0, reports.Count());

  EXPECT_EQ(E_FAIL, rack->SetEquation(nullptr));
  EXPECT_EQ(1, reports.Count());
  EXPECT_EQ((std::vector<std::wstring>{L"linear", L"tie"}), ConstraintsOf(*rack));
}

// A coupling of `Kind` tied by "ratio", with "tie" as its second constraint.
template <class Kind>
RVLSharedHandle<Kind> Coupling(const RVLSharedHandle<ZALMPEquation>& ratio,
                               const RVLSharedHandle<ZALMPConstraint>& tie)
{
  const RVLSharedHandle<Kind> coupling = Kind::create(L"coupling");
  coupling->AddConstraint(tie);
  coupling->SetEquation(ratio);
  return coupling;
}

// The equation is written apart ("Equation") by every kind but the screw, and
// read in front of the other constraints by every kind, the screw included.
TEST(CouplingLayout, EveryKindReadsItsEquationFirstButTheScrewDoesNotWriteItApart)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPEquation> ratio = ZALMPEquation::create(L"ratio");
  const RVLSharedHandle<TestConstraint> tie = TestConstraint::create(L"tie");
  const ZALMPIdentifierMap ids = IdsOf({ratio, tie});

  const std::string gear = WrittenXml(*Coupling<ZALMPGear>(ratio, tie));
  EXPECT_NE(std::string::npos, gear.find("<Equation id=")) << gear;
  // Listed last among the constraints, the equation still reads first, and once.
  std::wstring ratioId, tieId;
  ratio->GetIdentifier(ratioId);
  tie->GetIdentifier(tieId);
  const std::string r(ratioId.begin(), ratioId.end()), t(tieId.begin(), tieId.end());
  const std::string swapped = Replaced(Replaced(Replaced(gear, "<Constraint id=\"" + r, "<Constraint id=\"@"),
                                                "<Constraint id=\"" + t, "<Constraint id=\"" + r),
                                       "<Constraint id=\"@", "<Constraint id=\"" + t);
  const RVLSharedHandle<ZALMPGear> readGear = ZALMPGear::create();
  EXPECT_EQ(S_OK, readGear->Deserialize(ReadXml(swapped).get(), ids));
  EXPECT_EQ((std::vector<std::wstring>{L"ratio", L"tie"}), ConstraintsOf(*readGear));

  const std::string screw = WrittenXml(*Coupling<ZALMPScrew>(ratio, tie));
  EXPECT_EQ(std::string::npos, screw.find("<Equation")) << screw;
  const RVLSharedHandle<ZALMPScrew> readScrew = ZALMPScrew::create();
  EXPECT_EQ(S_OK, readScrew->Deserialize(ReadXml(screw).get(), ids));
  EXPECT_EQ(L"ratio", EquationOf(*readScrew)) << "the equation reads back as constraint 0";
  EXPECT_EQ(2, readScrew->GetConstraintCount());

  // A screw reads an "Equation" as the other kinds do.
  const std::string withEquation = Replaced(screw, "<Constraints>", "<Equation id=\"" + t + "\"/><Constraints>");
  EXPECT_THROW(ZALMPScrew::create()->Deserialize(ReadXml(withEquation).get(), ids), RVLEInvalidCast)
      << "an \"Equation\" that names another kind";
  EXPECT_EQ(0, reports.Count());
}

// Gives one frame, whatever the joint.
class OneFrameLoader : public ZALIMPJointLoader {
public:
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT GetFrames(std::vector<ZALMathAxis>& frames) override
  {
    frames.emplace_back();
    return S_OK;
  }
  HRESULT GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum&) override { return S_OK; }
};

template <class Kind>
void ExpectNoFrame()
{
  const RVLSharedHandle<Kind> coupling = Kind::create(L"coupling");
  coupling->SetLoader(new OneFrameLoader());
  std::vector<ZALMathAxis> frames;
  ZALMathAxis frame;
  const ZALMPJoint& joint = *coupling;
  EXPECT_EQ(0, joint.GetFrameCount()) << Kind::ClassName();
  EXPECT_EQ(E_NOTIMPL, coupling->GetFrame(0, frame)) << Kind::ClassName();
  EXPECT_EQ(E_NOTIMPL, coupling->GetFrames(frames)) << Kind::ClassName();
  EXPECT_EQ(E_NOTIMPL, joint.GetFrame(0, frame, 0)) << Kind::ClassName();
  EXPECT_EQ(E_NOTIMPL, joint.GetFrames(frames, 1, 1)) << Kind::ClassName();
  EXPECT_TRUE(frames.empty()) << Kind::ClassName();
}

TEST(CouplingFrames, AGearARackAndACableGiveNoFrameAndAScrewGivesTheJoints)
{
  ExpectNoFrame<ZALMPGear>();
  ExpectNoFrame<ZALMPRack>();
  ExpectNoFrame<ZALMPCable>();
  const RVLSharedHandle<ZALMPScrew> screw = ZALMPScrew::create(L"screw");
  EXPECT_EQ(0, screw->GetFrameCount()) << "no loader";
  screw->SetLoader(new OneFrameLoader());
  EXPECT_EQ(1, screw->GetFrameCount());
}

}  // namespace
