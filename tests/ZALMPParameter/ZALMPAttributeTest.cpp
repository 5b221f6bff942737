#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"
#include "ZALMPXmlOutline.h"

#include <ZALMPConstant.h>
#include <ZALMPParameter.h>
#include <ZALMPState.h>
#include <ZALMPSupport.h>

#include <gtest/gtest.h>

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
  EXPECT_EQ(S_OK, state->AddChild(ZALMPState::create(L"s2")));
  EXPECT_EQ(E_FAIL, parameter->AddChild(nullptr));
  EXPECT_EQ(1, reports.Count());

  RVLSharedHandle<ZALMPAttribute> got = child;
  EXPECT_EQ(E_FAIL, parameter->GetChild(1, got));
  EXPECT_FALSE(got);
  ASSERT_EQ(S_OK, state->GetChild(0, got));
  EXPECT_EQ(L"s2", got->getEntityName());

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
}

TEST(Attribute, WritesItsValuesChildrenAndSupportsAsReferencesButNotItsType)
{
  const RVLSharedHandle<ZALMPParameter> parameter = ZALMPParameter::create(L"p");
  const RVLSharedHandle<ZALMPConstant> one = ZALMPConstant::create(L"one"), two = ZALMPConstant::create(L"two");
  const RVLSharedHandle<ZALMPSupport> support = ZALMPSupport::create(L"support");
  parameter->AddValue(one);
  parameter->AddValue(two);
  parameter->AddSupport(support);
  parameter->SetType("design");
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, parameter->Serialize(&root));
  EXPECT_EQ("Parameter[id,name,isActive](Values(Value[id,name],Value[id,name]),Supports(Support[id,name]))",
            XmlOutline(ZALMPXmlCodec::Write(root)));

  // read back through the identifiers of the referents
  const RVLSharedHandle<ZALMPState> child = ZALMPState::create(L"child");
  ZALMPIdentifierMap ids;
  std::wstring id;
  for (const RVLSharedHandle<ZALMPEntity>& referent : {RVLSharedHandle<ZALMPEntity>(one), RVLSharedHandle<ZALMPEntity>(two),
                                                      RVLSharedHandle<ZALMPEntity>(support)}) {
    referent->GetIdentifier(id);
    ids[id] = referent;
  }
  const std::unique_ptr<ZALMPXmlReader> read = ReadBack(root);
  const RVLSharedHandle<ZALMPParameter> back = ZALMPParameter::create();
  ASSERT_EQ(S_OK, back->Deserialize(read.get(), ids));
  EXPECT_EQ(L"p", back->getEntityName());
  EXPECT_EQ(2, back->GetValueCount());
  RVLSharedHandle<ZALMPSupport> gotSupport;
  EXPECT_EQ(S_OK, back->GetSupport(0, gotSupport));
  EXPECT_TRUE(gotSupport == support);
  EXPECT_TRUE(back->GetType().IsEmpty());

  // a state writes its children under its own group
  const RVLSharedHandle<ZALMPState> state = ZALMPState::create(L"s");
  state->AddChild(child);
  ZALMPXmlWriter stateRoot;
  ASSERT_EQ(S_OK, state->Serialize(&stateRoot));
  EXPECT_EQ("State[id,name,isActive](ChildrenStates(State[id,name]))", XmlOutline(ZALMPXmlCodec::Write(stateRoot)));
  EXPECT_TRUE(ZALMPParameter::clone(parameter, RVLDynamicObject::DeepCopy)->GetType().IsEmpty())
      << "nor is the type copied";
}

}  // namespace
