#pragma once
#include <ZALMPDeserializer.h>
#include <ZALMPSerializer.h>

#include <memory>
#include <string>
#include <string_view>

/// An in-memory writer: tests read back what entities wrote through the
/// accessors a concrete writer uses.
class TestWriter : public ZALMPSerializer {
public:
  explicit TestWriter(bool canCreate = true) : m_canCreate(canCreate) {}

  using ZALMPSerializer::GetAttributeCount;
  using ZALMPSerializer::GetAttributeId;
  using ZALMPSerializer::GetAttributeValued;
  using ZALMPSerializer::GetAttributeValuei;
  using ZALMPSerializer::GetElementCount;

  /// This double keeps trees in memory only and prints nothing.
  HRESULT Save(const std::wstring&) const override { return E_NOTIMPL; }
  HRESULT Print(std::string&) const override { return E_NOTIMPL; }

protected:
  std::unique_ptr<ZALMPSerializer> CreateElement() const override
  {
    return m_canCreate ? std::make_unique<TestWriter>() : nullptr;
  }

private:
  bool m_canCreate;
};

/// An in-memory reader: tests build input trees through the setters a
/// concrete reader uses.
class TestReader : public ZALMPDeserializer {
public:
  explicit TestReader(std::wstring_view id = L"") { SetId(id); }

  using ZALMPDeserializer::AddAttributeValue;
  using ZALMPDeserializer::AddElement;
  using ZALMPDeserializer::SetId;
  using ZALMPDeserializer::SetValue;

  /// Adds a new child with id `id` under `key` (its id by default) and returns it.
  TestReader* Add(std::wstring_view id, std::wstring_view key = {})
  {
    auto child = std::make_unique<TestReader>(id);
    TestReader* added = child.get();
    AddElement(key.empty() ? id : key, std::move(child));
    return added;
  }

  /// This double is built in memory only.
  HRESULT Load(const std::wstring&) override { return E_NOTIMPL; }
};
