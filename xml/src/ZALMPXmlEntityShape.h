#pragma once
#include <ZALMPXmlReader.h>

#include <cstdint>
#include <string_view>
#include <vector>

// The shape of an entity element as the direct builder built it: its
// elements in document order, each with its tag name, its attribute names,
// its kind and the element of the tree that holds it. Model files give every
// entity of a kind one shape, so the next entity of the same shape is read
// by giving that same tree the new texts; the refill checks the shape as it
// goes, and anything it would have to decode, or any difference at all,
// leaves the tree to be built anew. The tree then holds what a new build
// would: the same ids, texts and attributes, read from the start.
class ZALMPXmlReader::EntityShape {
public:
  enum class Kind : std::uint8_t {
    Leaf,    // no attributes, a text as it stands: <Vx>0</Vx>
    Closed,  // attributes perhaps, no content: <Geometry id="..."/>
    Parent,  // attributes perhaps, children or nothing, whitespace between
  };

  // Recording, while an element is built: forgets any shape and starts a new one.
  void Start();
  // An element met in document order; the attribute names of a Closed or
  // Parent element follow it. A Parent's content ends with `EndContent`.
  void Add(ZALMPXmlReader& element, std::string_view name, Kind kind);
  void AddAttribute(std::string_view name);
  void EndContent();
  // The element holds what a refill cannot give it the same way.
  void Spoil() { m_spoiled = true; }
  // The build succeeded: the shape may be refilled.
  void Finish();
  // The tree is gone or changed otherwise.
  void Forget() { m_usable = false; }

  // Gives the tree the texts of the element from `p` to `last` (its end tag's
  // end) in a text ending at `end`. False when that element has another
  // shape or texts that need decoding; the tree then holds part of the new
  // texts and is to be built anew.
  bool Refill(const char* p, const char* last, const char* end);
  // The element the shape starts with, the one a refill gives the texts of.
  const ZALMPXmlReader* Root() const { return m_nodes.front().element; }

private:
  struct Node {
    ZALMPXmlReader* element;
    std::string_view name;
    std::uint32_t end;             // the node after this one's content
    std::uint32_t firstAttribute;  // in m_attributes
    std::uint32_t attributeCount;
    Kind kind;
  };

  const char* Attributes(const Node& node, const char* p, const char* end) const;
  const char* CloseEnded(std::uint32_t next, const char* p, const char* end);

  std::vector<Node> m_nodes;
  struct Attribute {
    std::string_view name;
    int place;  // among its element's attributes
  };

  std::vector<Attribute> m_attributes;
  // Parent nodes whose content is being recorded or refilled.
  std::vector<std::uint32_t> m_open;
  bool m_spoiled = false;
  bool m_usable = false;
};
