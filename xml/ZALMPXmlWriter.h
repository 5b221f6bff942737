#pragma once
#include "ZALMPXmlOutput.h"

#include <ZALMPSerializer.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// The XML writer of the element tree. Make a root, let entities write into
/// it, then encode it with `Print` or `Save` (or ZALMPXmlCodec).
///
/// Each element becomes an XML element named after its id, each attribute an
/// XML attribute named after its id (ids that are no XML names are escaped,
/// see ZALMPXmlCodec). A value is the element's text: a double in the shortest
/// form that reads back to the same bits, an int in decimal, a bool as
/// "true"/"false", a text as it is (escaped). The root carries its version in
/// "zalmp:version"; any other element only where its version differs from its
/// parent's. An empty text value is marked by zalmp:empty="true", so that it
/// stays apart from an element without a value.
class ZALMPXmlWriter : public ZALMPSerializer {
public:
  ZALMPXmlWriter() = default;

  /// Writes the document atomically (see ZALMPXmlCodec::Save). S_OK or E_FAIL.
  HRESULT Save(const std::wstring& path) const override;
  /// The XML document (UTF-8) whose root element is this element. S_OK.
  HRESULT Print(std::string& text) const override;
  /// Hands the document to `sink` in consecutive pieces (about 1 MiB each).
  /// False when the sink refused a piece; no piece follows a refusal.
  bool Stream(const std::function<bool(std::string_view)>& sink) const;

  /// In a streamed tree (see ZALMPXmlStreamedTree): encodes the children
  /// added so far and lets go of them, so that a large model never sits whole
  /// in memory. S_OK (also outside a streamed tree, where it does nothing);
  /// E_FAIL when the sink refused the text or the tree was changed out of order.
  HRESULT Commit() override;

protected:
  std::unique_ptr<ZALMPSerializer> CreateElement() const override;

private:
  friend class ZALMPXmlStreamedTree;
  class Printer;

  // True when the tag's name is the id itself, nothing escaped.
  bool AppendStartTag(ZALMPXmlOutput& out, const ZALMPXmlWriter* parent) const;
  std::vector<bool> SupersededAttributes() const;
  void AppendValue(ZALMPXmlOutput& out) const;
  bool HasText() const;

  // The printer of the streamed tree this element belongs to; null otherwise.
  Printer* m_printer = nullptr;
};

/// Encodes the document of a tree in document order, in pieces handed to a
/// sink; with `releasePrinted` it deletes each element once it is written.
class ZALMPXmlWriter::Printer {
public:
  /// A holder root is not written itself: the document is its first element.
  Printer(const ZALMPXmlWriter& root, std::function<bool(std::string_view)> sink, bool releasePrinted,
          bool holderRoot);
  /// Writes everything up to the last child `element` has now; false when
  /// `element` is not open in the document any more or the sink refused.
  bool PrintChildrenOf(const ZALMPXmlWriter& element);
  /// Writes the rest of the document; false when the sink refused a piece.
  bool Finish();
  /// An element written and let go of, emptied for reuse; null when there is none.
  std::unique_ptr<ZALMPSerializer> TakeSpare();

private:
  static constexpr std::size_t kPiece = 1 << 20;
  struct Open {
    const ZALMPXmlWriter* element;
    std::uint64_t next;  // index of the next child to write
    int depth;
    bool compactInside;
    bool compactOutside;
    bool nameAsIs;
  };

  bool Start(const ZALMPXmlWriter& element, const ZALMPXmlWriter* parent, int depth, bool compact, bool keepOpen);
  static void AppendEndTag(ZALMPXmlOutput& out, const ZALMPXmlWriter& element, bool nameAsIs);
  bool Run(const ZALMPXmlWriter* pauseInside);
  void Release(const ZALMPXmlWriter& parent, std::uint64_t index);
  void Flush(std::size_t atLeast);

  const ZALMPXmlWriter& m_root;
  std::function<bool(std::string_view)> m_sink;
  bool m_release;
  bool m_holder;
  bool m_started = false;
  bool m_accepted = true;
  bool m_broken = false;
  ZALMPXmlOutput m_out;
  std::vector<Open> m_open;
  // Released elements: a streamed tree makes and lets go of one entity's
  // elements after the other, so reusing them saves most of its allocations.
  std::vector<std::unique_ptr<ZALMPSerializer>> m_spares;
};

/// A writer tree whose elements are encoded and released as soon as they are
/// committed (ZALMPSerializer::Commit), for saving large models: memory stays
/// that of one entity, whatever the model's size. Elements must be finished in
/// document order: once an element is committed, nothing may be added to the
/// elements before it, and its children (and everything before them) are gone:
/// pointers to them must not be used any more.
class ZALMPXmlStreamedTree {
public:
  explicit ZALMPXmlStreamedTree(std::function<bool(std::string_view)> sink);
  /// A holder, never written itself: the first element added under it is the
  /// document's root element. Set the version here; children take it.
  ZALMPXmlWriter& Root() { return m_root; }
  /// Writes the rest of the document. False when the sink refused a piece or
  /// an element was changed after it was written.
  bool Finish();

private:
  ZALMPXmlWriter m_root;
  std::unique_ptr<ZALMPXmlWriter::Printer> m_printer;
};
