#pragma once
#include <ZALMPXmlReader.h>

#include "ZALMPXmlDirectBuilder.h"
#include "ZALMPXmlEntityShape.h"
#include "ZALMPXmlText.h"

#include <ZALMPDeferredElements.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A model document read entity by entity: the tree holds the frame of the
// world and each entity element with its id and attributes; an entity's
// content is built from the text just before the entity reads itself, into a
// small tree that the next entity's replaces. A world's entities thus never
// stand in memory as one tree, and the one they read from stays in the caches.
//
// Whatever the direct reading gives up on, anywhere in the document, ends
// this way of reading; the caller then reads the document whole, which gives
// exactly the tree or the error it always gave.
class ZALMPXmlReader::DeferredEntities final : public ZALMPDeferredElements {
public:
  explicit DeferredEntities(ZALMPXmlText text);
  DeferredEntities(const DeferredEntities&) = delete;
  DeferredEntities& operator=(const DeferredEntities&) = delete;

  // The tree without the entities' content into `root`, a new element with its
  // own storage. False when the direct reading gives up on the document.
  bool Build(ZALMPXmlReader& root);
  const ZALMPDeserializer* Expand(const ZALMPDeserializer& collection, const ZALMPDeserializer& element,
                                  int place) override;
  // How many entities were read into the tree of the one before.
  std::size_t Refills() const { return m_refills; }
  // Builds the content no entity asked for, so that the whole document has
  // been checked. False when the direct reading gives up on it.
  bool CheckUnread();
  // The document's text, handed back for reading it whole.
  ZALMPXmlText TakeText()
  {
    m_shape.Forget();
    m_scratch.reset();  // its texts stand in the document
    return std::move(m_text);
  }

private:
  bool BuildEntity(const DirectBuilder::Deferred& deferred, const ZALMPDeserializer& collection);
  bool TakeCollection(const ZALMPDeserializer& collection);

  ZALMPXmlText m_text;  // before m_scratch, whose texts stand in it
  std::vector<DirectBuilder::Deferred> m_deferred;
  // Position in m_deferred of each entity element of the tree, once one is read out of order.
  std::unordered_map<const ZALMPDeserializer*, std::size_t> m_positions;
  // Where the next entity element is looked for first: entities mostly read in document order.
  std::size_t m_next = 0;
  std::vector<bool> m_built;
  std::unique_ptr<DirectBuilder> m_builder;
  // The parent an entity reads its complete element from, made again for each.
  std::unique_ptr<ZALMPXmlReader> m_scratch;
  // The shape of the entity element m_scratch holds, when it can be refilled.
  EntityShape m_shape;
  std::size_t m_refills = 0;
  bool m_lent = false;  // m_scratch refers to the document's texts
  // The collection whose id and version m_scratch takes, and whether it holds them.
  const ZALMPDeserializer* m_collection = nullptr;
  bool m_scratchTookCollection = false;
  std::wstring m_id;
  std::wstring m_version;
  std::wstring m_elementVersion;
};
