#include "ZALMPXmlDeferredEntities.h"

#include <ZALMPEntityKinds.h>
#include <ZALMPVersion.h>
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

ZALMPXmlReader::DeferredEntities::DeferredEntities(ZALMPXmlText text) : m_text(std::move(text)) {}

bool ZALMPXmlReader::DeferredEntities::Build(ZALMPXmlReader& root)
{
  // The direct reading gives up on both wherever they stand; looked for once
  // here rather than in every content that is only skipped.
  if (std::memchr(m_text.Data(), '\r', m_text.Size()) || std::memchr(m_text.Data(), '\0', m_text.Size()))
    return false;
  DirectBuilder frame(m_text.View());
  frame.DeferEntities(CollectionNames(), m_deferred);
  if (!frame.Build(root)) return false;
  m_built.assign(m_deferred.size(), false);
  m_builder = std::make_unique<DirectBuilder>(m_text.View());
  return true;
}

const ZALMPDeserializer* ZALMPXmlReader::DeferredEntities::Expand(const ZALMPDeserializer& collection,
                                                                  const ZALMPDeserializer& element, int place)
{
  std::size_t position = m_next;
  if (position >= m_deferred.size() || m_deferred[position].element != &element) {
    // Made at the first entity read out of document order: most documents have none.
    if (m_positions.empty()) {
      m_positions.reserve(m_deferred.size());
      for (std::size_t at = 0; at < m_deferred.size(); ++at) m_positions.emplace(m_deferred[at].element, at);
    }
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
  m_shape.Forget();
  m_scratch.reset();
  return true;
}

// Builds the element `deferred` notes as the one child of m_scratch, which
// takes the id and version of `collection`.
bool ZALMPXmlReader::DeferredEntities::BuildEntity(const DirectBuilder::Deferred& deferred,
                                                   const ZALMPDeserializer& collection)
{
  // The element's content inherits the version it was built with in the tree,
  // passed as the newest version itself when it is that one: each element
  // built then knows it carries it already, without comparing texts.
  deferred.element->GetVersion(m_elementVersion);
  const bool newest = m_elementVersion == ZALMPVersion::kNewest;
  const std::wstring_view version = newest ? ZALMPVersion::kNewest : std::wstring_view(m_elementVersion);
  // Entities of one kind follow one another in one shape: the last one's tree
  // takes the next one's texts. Only where every version is the newest, as
  // reading passes versions on to the elements read.
  const char* const text = m_text.Data();
  if (m_scratch && newest && TakeCollection(collection) && m_version == ZALMPVersion::kNewest &&
      m_shape.Refill(text + deferred.begin, text + deferred.end, text + m_text.Size())) {
    m_scratch->SetNextElement(m_shape.Root(), 0);
    ++m_refills;
    return true;
  }
  m_shape.Forget();

  // The previous entity's tree goes first, and its memory serves this one.
  if (!m_scratch || FAILED(m_scratch->ResetKeepingStorage())) {
    m_scratch.reset();
    m_scratch = std::make_unique<ZALMPXmlReader>(NewStorage());
    // The document outlives every tree built from it: their texts stay in it.
    const HRESULT lent = m_scratch->LendTexts(m_text.View());
    if (FAILED(lent)) return false;
    m_lent = lent == S_OK;
  }
  m_scratchTookCollection = false;
  if (!TakeCollection(collection)) return false;
  // A refill keeps texts where they stand only when the document lends them.
  m_builder->RecordShape(newest && m_lent && m_version == ZALMPVersion::kNewest ? &m_shape : nullptr);
  Element<ZALMPXmlReader> entity = m_scratch->MakeElement<ZALMPXmlReader>();
  const ZALMPXmlReader* const built = entity.get();
  if (!m_builder->BuildElement(*entity, deferred, version) || FAILED(m_scratch->AddElement(std::move(entity)))) {
    m_shape.Forget();
    return false;
  }
  m_scratch->SetNextElement(built, 0);
  return true;
}

// m_scratch takes the id and version of `collection`, unless it holds them.
bool ZALMPXmlReader::DeferredEntities::TakeCollection(const ZALMPDeserializer& collection)
{
  // Entities of one collection follow one another.
  if (&collection != m_collection) {
    m_collection = nullptr;
    collection.GetId(m_id);
    collection.GetVersion(m_version);
    m_collection = &collection;
    m_scratchTookCollection = false;
  }
  if (m_scratchTookCollection) return true;
  if (FAILED(m_scratch->SetId(m_id)) || FAILED(m_scratch->SetVersion(m_version))) return false;
  m_scratchTookCollection = true;
  return true;
}
