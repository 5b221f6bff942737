#pragma once
#include "ZALMPTestSupport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

/// One link list of `owner`, as every list kind answers: link twice, remove
/// what is not there, keep the order, refuse empty handles (reported at
/// `source`) and answer indices outside the list with an emptied handle (not
/// reported). Leaves two entries in the list.
template <class Owner, class T, class Make>
void ExpectLinkListBehaviour(std::type_identity_t<Owner>& owner, HRESULT (Owner::*link)(const RVLSharedHandle<T>&),
                             HRESULT (Owner::*remove)(const RVLSharedHandle<T>&), int (Owner::*count)() const,
                             HRESULT (Owner::*get)(int, RVLSharedHandle<T>&) const, Make make,
                             const std::string& source)
{
  ReportCapture reports;
  const RVLSharedHandle<T> first = make(L"first"), second = make(L"second"), third = make(L"third");
  EXPECT_EQ(S_OK, (owner.*link)(first));
  EXPECT_EQ(S_FALSE, (owner.*link)(first)) << "linking twice";
  EXPECT_EQ(S_OK, (owner.*link)(second));
  EXPECT_EQ(S_OK, (owner.*link)(third));
  EXPECT_EQ(3, (owner.*count)());
  EXPECT_EQ(S_FALSE, (owner.*remove)(make(L"unlinked")));
  EXPECT_EQ(S_OK, (owner.*remove)(second));
  EXPECT_EQ(S_FALSE, (owner.*remove)(second)) << "removing twice";
  RVLSharedHandle<T> got;
  ASSERT_EQ(2, (owner.*count)());
  EXPECT_EQ(S_OK, (owner.*get)(1, got));
  EXPECT_TRUE(got == third) << "the others keep their order";
  for (const int index : {-1, 2}) {
    got = first;
    EXPECT_EQ(E_FAIL, (owner.*get)(index, got)) << "index " << index;
    EXPECT_FALSE(got) << "index " << index;
  }
  EXPECT_EQ(0, reports.Count());

  EXPECT_EQ(E_FAIL, (owner.*link)(nullptr));
  EXPECT_EQ(E_FAIL, (owner.*remove)(nullptr));
  EXPECT_EQ(2, (owner.*count)());
  EXPECT_EQ((std::vector<std::string>{source, source}), reports.Files());
}
