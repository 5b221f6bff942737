#include <ZALMPFieldTable.h>

#include <vector>

void ZALMPFieldTable::ForEachField(const std::function<void(const ZALMPField&)>& visit) const
{
  std::vector<const ZALMPFieldTable*> chain;
  for (const ZALMPFieldTable* table = this; table; table = table->m_base) chain.push_back(table);
  // A field that a derived class declares again (a planar body's mass) hides the base's.
  for (auto table = chain.rbegin(); table != chain.rend(); ++table)
    for (const std::unique_ptr<const ZALMPField>& field : (*table)->m_fields)
      if (Find(field->Name()) == field.get()) visit(*field);
}

const ZALMPField* ZALMPFieldTable::Find(std::wstring_view name) const
{
  for (const std::unique_ptr<const ZALMPField>& field : m_fields)
    if (field->Name() == name) return field.get();
  return m_base ? m_base->Find(name) : nullptr;
}

std::size_t ZALMPFieldTable::Count() const
{
  std::size_t count = 0;
  ForEachField([&count](const ZALMPField&) { ++count; });
  return count;
}
