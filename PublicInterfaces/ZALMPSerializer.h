#pragma once
#include "ZALMPCompactText.h"
#include "ZALMPExport.h"
#include "ZALMPSerializationVariable.h"

#include <ZALStatus.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// An element of an output tree: an id, an optional typed value, attributes in
/// the order added (an id may repeat) and child elements in the order added,
/// each with a format version. Entities write themselves into such trees; a
/// concrete writer derives from this class, makes its elements in
/// `CreateElement` and encodes a finished tree through the protected accessors.
/// An element owns its children; deleting the root frees the whole tree.
class ZALMP_EXPORT ZALMPSerializer {
public:
  using Type = ZALMPSerializationVariable::Type;

  virtual ~ZALMPSerializer();
  ZALMPSerializer(const ZALMPSerializer&) = delete;
  ZALMPSerializer& operator=(const ZALMPSerializer&) = delete;

  /// Writes the tree below this element to the file `path` in the writer's
  /// encoding; the file is replaced only once the new content is complete.
  /// S_OK: written. E_FAIL: not written, any old file is left as it was.
  virtual HRESULT Save(const std::wstring& path) const = 0;
  /// The tree below this element as text in the writer's encoding. S_OK.
  virtual HRESULT Print(std::string& text) const = 0;
  /// Declares the children added to this element so far finished: nothing
  /// will be added below them any more. A writer that streams may encode them
  /// and let go of them; the others keep them. S_OK, or E_FAIL when a
  /// streaming writer could not write them.
  virtual HRESULT Commit();

  /// Appends a new child element with id `id`, no value and this element's
  /// current version, and returns it through `child` (owned by this element).
  /// S_OK: added. E_FAIL (reported): `child` was not null on entry, or the
  /// writer could not make an element; nothing is added.
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child);
  /// As above, and the new child holds `value` (a double is first rounded to
  /// the nearest multiple of 1e-12, halves away from zero; |value| < 1e-12
  /// gives 0.0). E_FAIL: as above, reported once more here.
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child, bool value);
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child, std::int32_t value);
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child, double value);
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child, std::wstring_view value);
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child, const wchar_t* value)
  {
    return AddElement(id, child, std::wstring_view(value ? value : L""));
  }
  // Narrow texts would silently become bools.
  HRESULT AddElement(std::wstring_view id, ZALMPSerializer*& child, const char* value) = delete;

  /// Appends an attribute (ids may repeat; all are kept in the order added).
  /// A double is rounded as for `AddElement`. S_OK.
  HRESULT AddAttribute(std::wstring_view id, bool value);
  HRESULT AddAttribute(std::wstring_view id, std::int32_t value);
  HRESULT AddAttribute(std::wstring_view id, double value);
  HRESULT AddAttribute(std::wstring_view id, std::wstring_view value);
  HRESULT AddAttribute(std::wstring_view id, const wchar_t* value)
  {
    return AddAttribute(id, std::wstring_view(value ? value : L""));
  }
  HRESULT AddAttribute(std::wstring_view id, const char* value) = delete;

  /// This element's format version ("R2018.1" for a new root). S_OK.
  HRESULT GetVersion(std::wstring& version) const;
  /// Replaces this element's version; children already added keep theirs. S_OK.
  HRESULT SetVersion(std::wstring_view version);

  /// `value` rounded as the tree stores doubles.
  static double Quantise(double value);

protected:
  ZALMPSerializer();

  /// A new, empty element of the concrete writer's type; null when none can be made.
  virtual std::unique_ptr<ZALMPSerializer> CreateElement() const = 0;
  /// Takes the child at `index` out of the tree once a writer has encoded it;
  /// its place stays, and GetElement gives null there from then on. The
  /// caller owns the child, and may `Reset` it to make it a new element again.
  std::unique_ptr<ZALMPSerializer> ReleaseElement(int index);
  /// Makes this element as new: no id, value, attributes or children (the
  /// children left are deleted), the newest version. Keeps its memory, so that
  /// a streaming writer can reuse encoded elements rather than make new ones.
  void Reset();
  /// True when this element and `other` have the same version.
  bool HasVersionOf(const ZALMPSerializer& other) const;

  // What the concrete writer reads back. Indices must lie within the counts.
  std::wstring GetId() const;
  Type GetType() const { return m_type; }
  /// The own value; the accessor of another type than `GetType` gives that type's default.
  bool GetValueb() const;
  std::int32_t GetValuei() const;
  double GetValued() const;
  std::wstring GetValues() const;
  std::uint64_t GetAttributeCount() const;
  /// True when two attributes have the same id.
  bool HasRepeatedAttributeIds() const;
  std::wstring GetAttributeId(int index) const;
  Type GetAttributeType(int index) const;
  bool GetAttributeValueb(int index) const;
  std::int32_t GetAttributeValuei(int index) const;
  double GetAttributeValued(int index) const;
  std::wstring GetAttributeValues(int index) const;
  std::uint64_t GetElementCount() const;
  ZALMPSerializer* GetElement(int index) const;

  // The same texts in ZALMPCompactText's encoding, without a copy, for fast encoders.
  std::string_view GetIdText() const { return m_id.View(); }
  /// Meaningful when `GetType` is String.
  std::string_view GetValueText() const;
  std::string_view GetAttributeIdText(int index) const;
  /// Meaningful when `GetAttributeType(index)` is String.
  std::string_view GetAttributeValueText(int index) const;
  std::wstring_view GetVersionView() const;

private:
  struct Attribute;
  struct Content;

  Content& Contents();
  const Attribute& AttributeAt(int index) const;
  void CopyVersionFrom(const ZALMPSerializer& other);
  Attribute& NextAttribute();
  void AppendAttribute(std::wstring_view id, Type type, std::string_view value);
  void AppendAttribute(std::wstring_view id, std::wstring_view text);
  static void DeleteChildren(Content& content);

  ZALMPCompactText m_id;
  // The text of a String value, or the bytes of a bool, int or double.
  ZALMPCompactText m_value;
  // Children and attributes; null while the element has neither.
  std::unique_ptr<Content> m_content;
  Type m_type = Type::None;
  // 1 + position in ZALMPVersion::kAll, or 0 for a text kept in the content.
  std::uint8_t m_version;
};
