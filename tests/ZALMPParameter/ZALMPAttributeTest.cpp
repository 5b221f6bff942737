#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPConstant.h>
#include <ZALMPParameter.h>
#include <ZALMPState.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Attribute, KeepsChildrenOfItsOwnKindOnlyAndValuesOnce)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPParameter> parameter = ZALMPParameter::create(L"p");
  const RVLSharedHandle<ZALMPParameter> child = ZALMPParameter::create(L"c");
  const RVLSharedHandle<ZALMPState> state = ZALMPState::create(L"s");
  EXPECT_EQ(E_FAIL, parameter->AddChild(state)) << "a state is no child of a parameter";
  EXPECT_EQ(E_FAIL, state->AddChild(child)) << "nor a parameter of a state";
  EXPECT_EQ(0, reports.Count()) << "refusing another kind is not reported";
  EXPECT_EQ(0, parameter->GetChildrenCount() + state->GetChildrenCount());
  EXPECT_EQ(S_OK, parameter->AddChild(child));
  EXPECT_EQ(S_FALSE, parameter->AddChild(child));
  EXPECT_EQ(E_FAIL, parameter->AddChild(nullptr));
  EXPECT_EQ(1, reports.Count());
  RVLSharedHandle<ZALMPAttribute> got = child;
  EXPECT_EQ(E_FAIL, parameter->GetChild(1, got));
  EXPECT_FALSE(got);

  const RVLSharedHandle<ZALMPConstant> value = ZALMPConstant::create(L"v");
  EXPECT_EQ(S_OK, parameter->AddValue(value));
  EXPECT_EQ(S_FALSE, parameter->AddValue(value));
  EXPECT_EQ(1, parameter->GetValueCount());
  RVLSharedHandle<ZALMPValue> gotValue = value;
  EXPECT_EQ(E_FAIL, parameter->GetValue(-1, gotValue));
  EXPECT_FALSE(gotValue);
}

TEST(Attribute, ListsItsDescendantsDepthFirstAnsweringForTheLastOneReached)
{
  const RVLSharedHandle<ZALMPParameter> root = ZALMPParameter::create(L"root");
  RVLSharedVector<ZALMPAttribute> all(1);  // appended to, not cleared
  EXPECT_EQ(S_FALSE, root->GetAllChildren(all));
  EXPECT_EQ(1u, all.size());

  // root -> child -> {first, second}, and root -> last
  const RVLSharedHandle<ZALMPParameter> child = ZALMPParameter::create(L"child");
  const RVLSharedHandle<ZALMPParameter> first = ZALMPParameter::create(L"first");
  const RVLSharedHandle<ZALMPParameter> second = ZALMPParameter::create(L"second");
  root->AddChild(child);
  child->AddChild(first);
  child->AddChild(second);
  all.clear();
  EXPECT_EQ(S_FALSE, root->GetAllChildren(all)) << "the walk ends on a leaf";
  EXPECT_EQ((RVLSharedVector<ZALMPAttribute>{child, first, second}), all);

  // an entity lists its parameters with theirs, and finds one by name
  const RVLSharedHandle<ZALMPParameter> last = ZALMPParameter::create(L"last");
  root->AddChild(last);
  const RVLSharedHandle<ZALMPState> owner = ZALMPState::create(L"owner");
  owner->AddParameter(root);
  RVLSharedVector<ZALMPParameter> parameters;
  EXPECT_EQ(S_OK, owner->GetAllParameters(parameters)) << "its last parameter has descendants";
  EXPECT_EQ((RVLSharedVector<ZALMPParameter>{root, child, first, second, last}), parameters);
  RVLSharedHandle<ZALMPParameter> found;
  EXPECT_EQ(S_OK, owner->GetParameter(ZALString("second"), found));
  EXPECT_TRUE(found == second);

  // no loops: neither itself nor an ancestor becomes a child, so the walk ends
  {
    ReportCapture reports;
    EXPECT_EQ(E_FAIL, first->AddChild(first));
    EXPECT_EQ(E_FAIL, second->AddChild(root));
    EXPECT_EQ(2, reports.Count());
    EXPECT_EQ(S_OK, second->AddChild(first)) << "a shared descendant is no loop";
    all.clear();
    root->GetAllChildren(all);
    EXPECT_EQ((RVLSharedVector<ZALMPAttribute>{child, first, second, first, last}), all);
  }
}

TEST(Attribute, NeitherWritesNorCopiesItsType)
{
  const RVLSharedHandle<ZALMPParameter> parameter = ZALMPParameter::create(L"p");
  parameter->SetType("design");
  const std::string text = WrittenXml(*parameter);
  EXPECT_EQ(std::string::npos, text.find("design")) << text;
  EXPECT_TRUE(ZALMPParameter::clone(parameter, RVLDynamicObject::DeepCopy)->GetType().IsEmpty());
}

}  // namespace
