// The equation's factory, and what a linear equation answers, writes and
// reads beyond the round trip of the kind conformance test.

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPEquation.h>
#include <ZALMPLinearEquation.h>
#include <ZALMPVersion.h>

#include <ZALWBFactory.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<double> Terms(const ZALMPLinearEquation& equation)
{
  std::vector<double> terms;
  double term = 0.0;
  while (equation.GetLinearTerm(static_cast<int>(terms.size()), term) == S_OK) terms.push_back(term);
  return terms;
}

TEST(Equation, HoldsItsFactoryButACopyHasNone)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPEquation> equation = ZALMPEquation::create(L"e");
  ZALWBFactory* const sentinel = reinterpret_cast<ZALWBFactory*>(&reports);
  ZALWBFactory* got = sentinel;
  EXPECT_EQ(E_FAIL, equation->GetEquation(got));
  EXPECT_EQ(sentinel, got) << "left untouched";
  EXPECT_EQ(1, reports.Count());

  ZALWBFactory* const factory = new ZALWBFactory();
  EXPECT_EQ(S_OK, equation->SetEquation(factory));
  EXPECT_EQ(S_OK, equation->SetEquation(factory)) << "giving it again keeps it";
  EXPECT_EQ(S_OK, equation->GetEquation(got));
  EXPECT_EQ(factory, got);
  EXPECT_EQ(E_FAIL, ZALMPEquation::clone(equation)->GetEquation(got));
}

// Indices outside answer S_FALSE and change nothing; a copy keeps the
// constant term but no term; writing fails, once all is written, when there
// is no term.
TEST(LinearEquation, TermsAreIndexedFromZeroNotCopiedAndNeededToWrite)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPLinearEquation> equation = ZALMPLinearEquation::create(L"l");
  HRESULT status = S_OK;
  WriteXml(*equation, ZALMPVersion::kNewest, status);
  EXPECT_EQ(E_FAIL, status);
  EXPECT_EQ(1, reports.Count());

  equation->AddLinearTerm(2.5);
  equation->AddLinearTerm(-1.0);
  for (const int index : {-1, 2}) {
    double value = 7.0;
    EXPECT_EQ(S_FALSE, equation->GetLinearTerm(index, value)) << index;
    EXPECT_EQ(0.0, value) << index;
    EXPECT_EQ(S_FALSE, equation->SetLinearTerm(index, 9.0)) << index;
  }
  EXPECT_EQ(S_OK, equation->SetLinearTerm(1, 4.0));
  EXPECT_EQ((std::vector<double>{2.5, 4.0}), Terms(*equation));
  WriteXml(*equation, ZALMPVersion::kNewest, status);
  EXPECT_EQ(S_OK, status);

  equation->SetConstantTerm(-3.0);
  const RVLSharedHandle<ZALMPLinearEquation> copy = ZALMPLinearEquation::clone(equation);
  EXPECT_TRUE(Terms(*copy).empty());
  double constant = 0.0;
  copy->GetConstantTerm(constant);
  EXPECT_TRUE(copy->HasConstantTerm() && constant == -3.0);
}

// An equation with terms 2.5, -1 and 8 and constant 0.5, written and edited
// (every `from` replaced), read into one that holds the term 9.
TEST(LinearEquation, ReadingAppendsTheTermsWhoseIndexIsTheirPlace)
{
  const RVLSharedHandle<ZALMPLinearEquation> written = ZALMPLinearEquation::create(L"l");
  for (const double term : {2.5, -1.0, 8.0}) written->AddLinearTerm(term);
  written->SetConstantTerm(0.5);
  const std::string text = WrittenXml(*written);

  const struct {
    const char* what;
    std::string from, to;
    HRESULT status;
    std::vector<double> terms;
    bool hasConstant;
  } rows[] = {
      {"a second index out of place", ">1</LinearTermIndex>", ">5</LinearTermIndex>", S_OK, {9, 2.5, 8}, true},
      {"a second without value", "<LinearTermValue>-1</LinearTermValue>", "", S_OK, {9, 2.5, 0, 8}, true},
      {"no constant value", "<ConstantTermValue>.*</ConstantTermValue>", "", E_FAIL, {9, 2.5, -1, 8}, false},
      {"no term container", "LinearTermDataContainer>", "Terms>", E_FAIL, {9}, true},
  };
  for (const auto& row : rows) {
    const RVLSharedHandle<ZALMPLinearEquation> equation = ZALMPLinearEquation::create();
    equation->AddLinearTerm(9.0);
    const std::string edited = std::regex_replace(text, std::regex(row.from), row.to);
    EXPECT_EQ(row.status, equation->Deserialize(ReadXml(edited).get(), {})) << row.what;
    EXPECT_EQ(row.terms, Terms(*equation)) << row.what;
    EXPECT_EQ(row.hasConstant, equation->HasConstantTerm()) << row.what;
  }
}

}  // namespace
