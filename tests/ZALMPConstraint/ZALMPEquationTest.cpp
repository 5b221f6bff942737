// The equation's factory, and what a linear equation answers, writes and
// reads beyond the round trip of the kind conformance test.

#include "ZALMPTestSupport.h"

#include <ZALMPEquation.h>
#include <ZALMPLinearEquation.h>
#include <ZALMPXmlCodec.h>
#include <ZALMPXmlWriter.h>

#include <ZALWBFactory.h>

#include <gtest/gtest.h>

#include <memory>
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

std::string Written(const ZALMPLinearEquation& equation, HRESULT& status)
{
  ZALMPXmlWriter root;
  status = equation.Serialize(&root);
  return ZALMPXmlCodec::Write(root);
}

TEST(Equation, HoldsItsFactoryButNeitherACopyNorAReadEquationHasOne)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPEquation> equation = ZALMPEquation::create(L"e");
  ZALWBFactory* const sentinel = reinterpret_cast<ZALWBFactory*>(&reports);
  ZALWBFactory* got = sentinel;
  EXPECT_EQ(E_FAIL, equation->GetEquation(got));
  EXPECT_EQ(sentinel, got) << "left untouched";
  EXPECT_EQ(1, reports.Count());

  auto owned = std::make_unique<ZALWBFactory>();
  ZALWBFactory* const factory = owned.get();
  EXPECT_EQ(S_OK, equation->SetEquation(owned.release()));
  EXPECT_EQ(S_OK, equation->SetEquation(factory)) << "giving it again keeps it";
  EXPECT_EQ(S_OK, equation->GetEquation(got));
  EXPECT_EQ(factory, got);

  reports.Clear();
  EXPECT_EQ(E_FAIL, ZALMPEquation::clone(equation)->GetEquation(got));
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, equation->Serialize(&root));
  std::unique_ptr<ZALMPXmlReader> read;
  ASSERT_TRUE(ZALMPXmlCodec::Read(ZALMPXmlCodec::Write(root), read).Ok());
  const RVLSharedHandle<ZALMPEquation> back = ZALMPEquation::create();
  EXPECT_EQ(S_OK, back->Deserialize(read.get(), {}));
  EXPECT_EQ(E_FAIL, back->GetEquation(got));
  EXPECT_EQ(2, reports.Count());
}

TEST(LinearEquation, TermsAreIndexedFromZeroAndACopyKeepsOnlyTheConstantTerm)
{
  const RVLSharedHandle<ZALMPLinearEquation> equation = ZALMPLinearEquation::create(L"l");
  double value = 7.0;
  EXPECT_FALSE(equation->HasConstantTerm());
  EXPECT_EQ(S_OK, equation->GetConstantTerm(value));
  EXPECT_EQ(0.0, value);

  equation->AddLinearTerm(2.5);
  equation->AddLinearTerm(-1.0);
  for (const int index : {-1, 2}) {
    value = 7.0;
    EXPECT_EQ(S_FALSE, equation->GetLinearTerm(index, value)) << index;
    EXPECT_EQ(0.0, value) << index;
    EXPECT_EQ(S_FALSE, equation->SetLinearTerm(index, 9.0)) << index;
  }
  EXPECT_EQ(S_OK, equation->SetLinearTerm(1, 4.0));
  EXPECT_EQ((std::vector<double>{2.5, 4.0}), Terms(*equation));

  equation->SetConstantTerm(-3.0);
  const RVLSharedHandle<ZALMPLinearEquation> copy = ZALMPLinearEquation::clone(equation);
  EXPECT_TRUE(Terms(*copy).empty());
  EXPECT_TRUE(copy->HasConstantTerm());
  copy->GetConstantTerm(value);
  EXPECT_EQ(-3.0, value);
}

TEST(LinearEquation, WritingWithoutTermsWritesEverythingButFails)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPLinearEquation> equation = ZALMPLinearEquation::create(L"l");
  HRESULT status = S_OK;
  const std::string empty = Written(*equation, status);
  EXPECT_EQ(E_FAIL, status);
  EXPECT_EQ(1, reports.Count());
  EXPECT_NE(std::string::npos, empty.find("<HasConstantTerm>false</HasConstantTerm>")) << empty;
  EXPECT_EQ(std::string::npos, empty.find("ConstantTermValue")) << empty;
  EXPECT_NE(std::string::npos, empty.find("<LinearTermDataContainer/>")) << empty;

  equation->AddLinearTerm(1.0);
  Written(*equation, status);
  EXPECT_EQ(S_OK, status);
}

// The text of an equation with terms 2.5, -1 and 8 and constant 0.5, edited
// (every `from` replaced): reading it into an equation that holds the term 9
// gives the row's answer.
struct LinearInput {
  const char* what;
  std::string from, to;
  HRESULT status;
  std::vector<double> terms;
  bool hasConstant;
};

TEST(LinearEquation, ReadingAppendsTheTermsWhoseIndexIsTheirPlace)
{
  const RVLSharedHandle<ZALMPLinearEquation> written = ZALMPLinearEquation::create(L"l");
  for (const double term : {2.5, -1.0, 8.0}) written->AddLinearTerm(term);
  written->SetConstantTerm(0.5);
  HRESULT status = E_FAIL;
  const std::string text = Written(*written, status);
  ASSERT_EQ(S_OK, status);
  const std::string second = "<LinearTermIndex>1</LinearTermIndex>";
  const std::string constant = "<ConstantTermValue>0.5</ConstantTermValue>";
  const std::string has = "<HasConstantTerm>true</HasConstantTerm>";

  const LinearInput rows[] = {
      {"as written", "", "", S_OK, {9, 2.5, -1, 8}, true},
      {"a second index out of place", second, "<LinearTermIndex>5</LinearTermIndex>", S_OK, {9, 2.5, 8}, true},
      {"a second without index", second, "", S_OK, {9, 2.5, 8}, true},
      {"a second without value", "<LinearTermValue>-1</LinearTermValue>", "", S_OK, {9, 2.5, 0, 8}, true},
      {"no constant value", constant, "", E_FAIL, {9, 2.5, -1, 8}, false},
      {"no constant flag", has, "", E_FAIL, {9, 2.5, -1, 8}, false},
      {"no term container", "LinearTermDataContainer>", "Terms>", E_FAIL, {9}, true},
  };
  for (const LinearInput& row : rows) {
    std::string edited = text;
    for (std::size_t at = 0; !row.from.empty() && (at = edited.find(row.from, at)) != std::string::npos;
         at += row.to.size())
      edited.replace(at, row.from.size(), row.to);
    std::unique_ptr<ZALMPXmlReader> read;
    ASSERT_TRUE(ZALMPXmlCodec::Read(edited, read).Ok()) << row.what << "\n" << edited;

    const RVLSharedHandle<ZALMPLinearEquation> equation = ZALMPLinearEquation::create();
    equation->AddLinearTerm(9.0);
    EXPECT_EQ(row.status, equation->Deserialize(read.get(), {})) << row.what;
    EXPECT_EQ(row.terms, Terms(*equation)) << row.what;
    EXPECT_EQ(row.hasConstant, equation->HasConstantTerm()) << row.what;
  }
}

}  // namespace
