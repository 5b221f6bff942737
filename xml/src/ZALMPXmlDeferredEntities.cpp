#include "ZALMPXmlDeferredEntities.h"

#include <ZALMPEntityKinds.h>
#include <ZALUtf8.h>

#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// The ids of the elements whose children are entity elements.
const std::vector<std::string_view>& CollectionNames()
{
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    ZALMPEntityKinds::ForEach(
        [&all]<class T>(std::type_identity<T>) { all.push_back(ZALWideToUtf8(ZALMPCollectionName<T>())); });
    return all;
  }();
  static const std::vector<std::string_view> views(names.begin(), names.end());
  return views;
}

}  // namespace

ZALMPXmlReader::DeferredEntities::DeferredEntities(std::string text) : m_text(std::move(text)) {}

bool ZALMPXmlReader::DeferredEntities::Build(ZALMPXmlReader& root)
{
  // The direct reading gives up on both wherever they stand; looked for once
  // here rather than in every content that is only skipped.
  if (std::memchr(m_text.data(), '\r', m_text.size()) || std::memchr(m_text.data(), '\0', m_text.size()))
    return false;
  DirectBuilder frame(m_text);
  frame.DeferEntities(CollectionNames(), m_deferred);
  if (!frame.Build(root)) return false;
  m_positions.reserve(m_deferred.size());
  for (std::size_t position = 0; position < m_deferred.size(); ++position)
    m_positions.emplace(m_deferred[position].element, position);
  m_built.assign(m_deferred.size(), false);
  m_builder = std::make_unique<DirectBuilder>(m_text);
  return true;
}

const ZALMPDeserializer* ZALMPXmlReader::DeferredEntities::Expand(const ZALMPDeserializer& collection,
                                                                  const ZALMPDeserializer& element, int place)
{
  std::size_t position = m_next;
  if (position >= m_deferred.size() || m_deferred[position].element != &element) {
    const auto found = m_positions.find(&element);
    if (found == m_positions.end()) {
      // An element the tree holds whole.
      collection.SetNextElement(&element, place);
      return &collection;
    }
    position = found->second;
  }
  m_next = position + 1;
  m_built[position] = true;
  return BuildEntity(m_deferred[position], collection) ? m_scratch.get() : nullptr;
}

bool ZALMPXmlReader::DeferredEntities::CheckUnread()
{
  for (std::size_t position = 0; position < m_deferred.size(); ++position)
    if (!m_built[position] && !BuildEntity(m_deferred[position], *m_deferred[position].element)) return false;
  m_scratch.reset();
  return true;
}

// Builds the element `deferred` notes as the one child of a new m_scratch,
// which takes the id and version of `collection`.
bool ZALMPXmlReader::DeferredEntities::BuildEntity(const DirectBuilder::Deferred& deferred,
                                                   const ZALMPDeserializer& collection)
{
  // The previous entity's tree goes first, so that its memory serves this one.
  m_scratch.reset();
  auto scratch = std::make_unique<ZALMPXmlReader>(NewStorage());
  collection.GetId(m_id);
  collection.GetVersion(m_version);
  if (FAILED(scratch->SetId(m_id)) || FAILED(scratch->SetVersion(m_version))) return false;
  // The element's content inherits the version it was built with in the tree.
  deferred.element->GetVersion(m_version);
  Element<ZALMPXmlReader> entity = scratch->MakeElement<ZALMPXmlReader>();
  const ZALMPXmlReader* const built = entity.get();
  if (!m_builder->BuildElement(*entity, deferred, m_version) || FAILED(scratch->AddElement(std::move(entity))))
    return false;
  scratch->SetNextElement(built, 0);
  m_scratch = std::move(scratch);
  return true;
}
