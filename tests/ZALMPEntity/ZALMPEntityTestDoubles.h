#pragma once
#include <ZALIMPEntityLoader.h>
#include <ZALMPEntity.h>
#include <ZALMPParameter.h>

#include <string>
#include <vector>

/// A concrete entity with nothing of its own, registered as "TestEntity".
class TestEntity : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(TestEntity, ZALMPEntity);
  ZALMP_DECLARE_CONCRETE(TestEntity);

public:
  int removeParentCalls = 0;
  int clearContainersCalls = 0;

protected:
  TestEntity() = default;
  TestEntity(const TestEntity& source) : ZALMPEntity(source) {}
  HRESULT RemoveParent() override;
  HRESULT ClearContainers() override;
};

/// A parameter whose descendants are whatever the test gives it.
class TestParameter : public ZALMPParameter {
  ZALMP_DECLARE_CLASS(TestParameter, ZALMPParameter);
  ZALMP_DECLARE_CONCRETE(TestParameter);

public:
  RVLSharedVector<ZALMPAttribute> children;
  bool failListing = false;
  HRESULT GetAllChildren(RVLSharedVector<ZALMPAttribute>& descendants) const override;

protected:
  TestParameter() = default;
  TestParameter(const TestParameter& source) : ZALMPParameter(source) {}
};

/// Records the loader calls it receives and answers with `answer`.
class RecordingLoader : public ZALIMPEntityLoader {
public:
  RecordingLoader(std::vector<std::string>& calls, HRESULT answer) : m_calls(calls), m_answer(answer) {}
  ~RecordingLoader() override { m_calls.push_back("deleted"); }
  HRESULT OnActivate() override { return Note("activate"); }
  HRESULT OnDeactivate() override { return Note("deactivate"); }

private:
  HRESULT Note(const char* call)
  {
    m_calls.push_back(call);
    return m_answer;
  }
  std::vector<std::string>& m_calls;
  HRESULT m_answer;
};
