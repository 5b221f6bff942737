#pragma once
#include "ZALMPTestKinds.h"

#include <ZALMPVersion.h>
#include <ZALMPXmlCodec.h>

#include <ZALIMPVariableLoader.h>

#include <RVLNotificationAgent.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

/// Records the change call-backs it receives ("value 2.5", "min -1" ...) and answers them with `answer`.
class RecordingVariableLoader : public ZALIMPVariableLoader {
public:
  RecordingVariableLoader(std::vector<std::string>& calls, HRESULT answer) : m_calls(calls), m_answer(answer) {}
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT ValueChanged(double value) override { return Record("value ", value); }
  HRESULT MinValueChanged(double value) override { return Record("min ", value); }
  HRESULT MaxValueChanged(double value) override { return Record("max ", value); }
  HRESULT Fix() override { return S_OK; }
  HRESULT Unfix() override { return S_OK; }

private:
  HRESULT Record(const char* what, double value)
  {
    std::ostringstream call;
    call << what << value;
    m_calls.push_back(call.str());
    return m_answer;
  }
  std::vector<std::string>& m_calls;
  HRESULT m_answer;
};

/// Counts the update events (event 9) an entity posts; it must outlive the entity's notices.
struct UpdateCounter {
  explicit UpdateCounter(ZALMPEntity& entity)
  {
    entity.addSubscriber(RVLNotificationAgent::Functor::Bind(this, &UpdateCounter::OnEvent),
                         RVLEventSet().set(ZALMPEntity::kUpdateEvent));
  }
  void OnEvent(const RVLSharedConstPointer<RVLNotificationAgent>&, const RVLEventSet&) { ++count; }
  int count = 0;
};

/// The XML document of `entity` written under a root of `version`; `written` is the write's result.
inline std::string WriteXml(const ZALMPEntity& entity, std::wstring_view version, HRESULT& written)
{
  ZALMPXmlWriter root;
  root.SetVersion(version);
  written = entity.Serialize(&root);
  return ZALMPXmlCodec::Write(root);
}

/// The XML document of `entity` at the newest version, written with S_OK.
inline std::string WrittenXml(const ZALMPEntity& entity)
{
  HRESULT written = E_FAIL;
  const std::string text = WriteXml(entity, ZALMPVersion::kNewest, written);
  EXPECT_EQ(S_OK, written);
  return text;
}

/// The tree of the XML document `text`.
inline std::unique_ptr<ZALMPXmlReader> ReadXml(const std::string& text)
{
  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(text, read);
  EXPECT_TRUE(result.Ok()) << result.message;
  return read;
}

/// `text` with the first `from` replaced by `to` (a failed expectation when there is none).
inline std::string Replaced(std::string text, std::string_view from, std::string_view to)
{
  const std::size_t at = text.find(from);
  EXPECT_NE(std::string::npos, at) << from << " in " << text;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

/// The identifier map that holds `entities` under their identifiers.
inline ZALMPIdentifierMap IdsOf(const std::vector<RVLSharedHandle<ZALMPEntity>>& entities)
{
  ZALMPIdentifierMap ids;
  for (const RVLSharedHandle<ZALMPEntity>& entity : entities) {
    std::wstring id;
    entity->GetIdentifier(id);
    ids[id] = entity;
  }
  return ids;
}
