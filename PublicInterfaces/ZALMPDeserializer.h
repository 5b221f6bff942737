#pragma once
#include "ZALMPCompactText.h"
#include "ZALMPExport.h"
#include "ZALMPSerializationVariable.h"

#include <ZALStatus.h>

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class ZALMPTreeStorage;

/// An element of an input tree: an id, an optional typed value, attributes
/// with unique ids, children grouped by id (ids in order, and within one id
/// in the order added) and a format version. A concrete reader derives from
/// this class and builds the tree through the protected setters; entities
/// then read themselves from it. An element owns its children; deleting the
/// root frees the whole tree.
///
/// Typed reads convert the stored value: a stored bool, int, double or text
/// gives the same type; a text also gives a bool ("1", "true", "TRUE", "yes",
/// "YES" / "0", "false", "FALSE", "no", "NO"), an int (read as by scanf "%d")
/// or a double (as by "%le"). No other conversion exists (an int is not
/// widened to a double). A failed read leaves the output as it was.
///
/// Ids compare code unit by code unit (as unsigned values).
class ZALMP_EXPORT ZALMPDeserializer {
public:
  using Type = ZALMPSerializationVariable::Type;
  /// Iterates over the children of one id; valid until a child is added.
  using ElementIterator = ZALMPDeserializer* const*;

  virtual ~ZALMPDeserializer();
  ZALMPDeserializer(const ZALMPDeserializer&) = delete;
  ZALMPDeserializer& operator=(const ZALMPDeserializer&) = delete;

  /// Replaces this element's id, value, attributes, children and version by
  /// those of the root element stored in the file `path`, in the reader's
  /// encoding. S_OK: loaded. E_FAIL: not read; this element is unchanged.
  virtual HRESULT Load(const std::wstring& path) = 0;

  /// This element's id. S_OK.
  HRESULT GetId(std::wstring& id) const;

  /// This element's own value, converted. S_OK. E_FAIL: the stored value does
  /// not convert (reported, except a text that is no boolean word).
  HRESULT GetValue(bool& value) const;
  HRESULT GetValue(std::int32_t& value) const;
  HRESULT GetValue(double& value) const;
  HRESULT GetValue(std::wstring& value) const;

  /// The attribute `id`, converted as `GetValue`. E_FAIL (reported): no such
  /// attribute, or as `GetValue`.
  HRESULT GetAttribute(std::wstring_view id, bool& value) const;
  HRESULT GetAttribute(std::wstring_view id, std::int32_t& value) const;
  HRESULT GetAttribute(std::wstring_view id, double& value) const;
  HRESULT GetAttribute(std::wstring_view id, std::wstring& value) const;
  /// The String attribute `id` as the tree keeps it (ZALMPCompactText's
  /// encoding), without converting it; valid until the element changes.
  /// E_FAIL (reported): no such attribute, or it holds no String.
  HRESULT GetAttributeEncoded(std::wstring_view id, std::string_view& encoded) const;

  /// True when at least one child has the id `id`.
  bool HasElement(std::wstring_view id) const;
  /// True when the element has an attribute `id` (nothing is reported).
  bool HasAttribute(std::wstring_view id) const;

  /// The next child of id `id`: successive calls give that id's children in
  /// order, then start again (after the last one the first comes twice in a
  /// row). The returned child takes this element's version. S_OK always;
  /// `child` is null when no child has that id. Adding a child restarts every id.
  HRESULT GetElement(std::wstring_view id, ZALMPDeserializer*& child) const;
  /// Positions the `GetElement` sequence of `child`'s id so that its next call
  /// gives `child`, which is the child at `place` (from 0) among the children
  /// of that id. S_OK; S_FALSE when `child` is null or no child of this
  /// element has its id (nothing changes).
  HRESULT SetNextElement(const ZALMPDeserializer* child, int place) const;
  /// `GetElement`, then the child's own value, converted. E_FAIL (reported):
  /// no such child, or its value does not convert (`value` unchanged).
  HRESULT GetElement(std::wstring_view id, ZALMPDeserializer*& child, bool& value) const;
  HRESULT GetElement(std::wstring_view id, ZALMPDeserializer*& child, std::int32_t& value) const;
  HRESULT GetElement(std::wstring_view id, ZALMPDeserializer*& child, double& value) const;
  HRESULT GetElement(std::wstring_view id, ZALMPDeserializer*& child, std::wstring& value) const;

  /// Appends every child to `children`: ids in order, within an id in the
  /// order added. Neither moves the `GetElement` position nor passes the version. S_OK.
  HRESULT GetElements(std::vector<ZALMPDeserializer*>& children) const;
  /// The children of id `id` as [`begin`, `end`); both stay as they were when
  /// there is none. S_OK.
  HRESULT GetElements(std::wstring_view id, ElementIterator& begin, ElementIterator& end) const;

  /// This element's format version ("R2018.1" for a new element). S_OK.
  HRESULT GetVersion(std::wstring& version) const;
  /// Replaces this element's version. S_OK.
  HRESULT SetVersion(std::wstring_view version);

protected:
  /// Gives an element back: deletes it, or ends it inside its storage.
  struct ElementDeleter {
    ElementDeleter() = default;
    template <class T>
    ElementDeleter(const std::default_delete<T>&) noexcept
    {
    }
    void operator()(ZALMPDeserializer* element) const noexcept;
  };
  /// An element that is not yet anybody's child.
  template <class T>
  using Element = std::unique_ptr<T, ElementDeleter>;

  /// An element on the general heap.
  ZALMPDeserializer();
  /// Tag of the constructor that starts a storage.
  struct NewStorage {};
  /// An element that starts a storage: one large memory for its content and
  /// for every element made with `MakeElement` below it, given back at once
  /// when the last of them is gone. Readers of large trees make their root so.
  explicit ZALMPDeserializer(NewStorage);
  /// An element made by `MakeElement` in `storage`.
  explicit ZALMPDeserializer(ZALMPTreeStorage& storage);

  /// A new element of type T in this element's storage (T is then built from
  /// ZALMPTreeStorage&), or on the heap when this element has none (built by
  /// its default constructor). Hand it to `AddElement`.
  ///
  /// A type T that adds no members and no destructor of its own may say so
  /// with `using PlainElement = T;`: a storage whose elements are all plain and
  /// all in one tree is then given back at once when that tree's root goes,
  /// without ending each element.
  template <class T>
  Element<T> MakeElement()
  {
    static_assert(std::is_base_of_v<ZALMPDeserializer, T>);
    if (!m_storage) return Element<T>(std::make_unique<T>().release());
    constexpr bool plain = requires { requires std::is_same_v<typename T::PlainElement, T>; };
    void* memory = AllocateElement(sizeof(T), alignof(T), plain);
    Element<T> made(::new (memory) T(*m_storage));
    static_cast<ZALMPDeserializer*>(made.get())->m_flags |= kObjectInStorage;
    return made;
  }

  // The concrete reader builds the tree with these. Each gives S_OK, or
  // E_OUTOFMEMORY (reported) and changes nothing.
  HRESULT SetId(std::wstring_view id);
  /// Sets the own type and value (a double is kept exactly).
  HRESULT SetValue(bool value);
  HRESULT SetValue(std::int32_t value);
  HRESULT SetValue(double value);
  HRESULT SetValue(std::wstring_view value);
  HRESULT SetValue(const wchar_t* value) { return SetValue(std::wstring_view(value ? value : L"")); }
  HRESULT SetValue(const char* value) = delete;  // would silently become a bool
  /// Inserts the attribute `id`, or replaces the one of that id.
  HRESULT AddAttributeValue(std::wstring_view id, bool value);
  HRESULT AddAttributeValue(std::wstring_view id, std::int32_t value);
  HRESULT AddAttributeValue(std::wstring_view id, double value);
  HRESULT AddAttributeValue(std::wstring_view id, std::wstring_view value);
  HRESULT AddAttributeValue(std::wstring_view id, const wchar_t* value)
  {
    return AddAttributeValue(id, std::wstring_view(value ? value : L""));
  }
  HRESULT AddAttributeValue(std::wstring_view id, const char* value) = delete;
  /// Takes `child` as the last child of id `id` and restarts every id's
  /// `GetElement` sequence. E_FAIL (reported): `child` is null; nothing changes.
  HRESULT AddElement(std::wstring_view id, Element<ZALMPDeserializer> child);

  // The same from UTF-8 text (invalid sequences become U+FFFD), for fast readers.
  HRESULT SetIdUtf8(std::string_view id);
  /// Sets a String value.
  HRESULT SetValueUtf8(std::string_view value);
  /// Sets the id and a String value at once, as the two calls above do: the
  /// commonest element of a model, such as <Vx>0</Vx>.
  HRESULT SetLeafUtf8(std::string_view id, std::string_view value);
  /// Inserts or replaces a String attribute.
  HRESULT AddAttributeValueUtf8(std::string_view id, std::string_view value);
  /// `AddElement` under the child's own id.
  HRESULT AddElement(Element<ZALMPDeserializer> child);
  /// Takes all of `children` in order, each under its own id, with room made
  /// for them at once; `children` is left empty. E_FAIL (reported): one is
  /// null; E_OUTOFMEMORY (reported); either way none is taken.
  HRESULT AddElements(std::vector<Element<ZALMPDeserializer>>& children);
  /// Makes room for `count` children or attributes in all, so that adding them
  /// takes no further memory blocks. S_OK, or E_OUTOFMEMORY (reported).
  HRESULT ReserveElements(int count);
  HRESULT ReserveAttributes(int count);

  /// Makes this element, which started its storage, as new (no id, value,
  /// attributes or children; the newest version) and keeps the storage's
  /// memory for the elements made next: a reader that builds many small trees
  /// one after another takes no memory for each. E_FAIL (reported): this
  /// element started no storage, or an element of it stands outside this
  /// element's tree; nothing changes.
  HRESULT ResetKeepingStorage();
  /// On an element that started a storage: texts that the UTF-8 setters take
  /// from within `source` are referred to where they stand rather than
  /// copied and checked, for every element of the storage, until the storage
  /// is gone. The caller keeps `source` alive and unchanged that long. S_OK.
  /// S_FALSE: `source` is not valid UTF-8; nothing is lent. E_FAIL
  /// (reported): this element started no storage.
  HRESULT LendTexts(std::string_view source);
  /// Restarts every id's `GetElement` sequence, as adding a child does: a
  /// reader that gives a tree it read before new values makes it read as new.
  void RestartElementSequences() const;
  /// The place of the attribute `id` (UTF-8) among this element's
  /// attributes, or -1 when it has none; valid until an attribute is added.
  int FindAttributeUtf8(std::string_view id) const;
  /// Replaces the value of the attribute at `place` by a String value, as
  /// `AddAttributeValueUtf8` with its id does. S_OK. E_FAIL (reported):
  /// no attribute stands there. E_OUTOFMEMORY (reported); nothing changes.
  HRESULT SetAttributeValueUtf8(int place, std::string_view value);

  /// Exchanges id, value, attributes, children and version with `other`;
  /// each keeps its own place in its parent. E_FAIL (reported): the two do
  /// not share a storage (or both have none); nothing changes.
  HRESULT SwapContent(ZALMPDeserializer& other);

private:
  struct Attribute;
  struct Rare;
  struct Content;
  struct Group;

  static constexpr std::uint8_t kObjectInStorage = 1u << 4;

  void* AllocateElement(std::size_t size, std::size_t alignment, bool plain);
  void TakeInStorage(ZALMPDeserializer& child);
  static void Dispose(ZALMPDeserializer* element) noexcept;
  static void DisposeChild(const ZALMPDeserializer& parent, ZALMPDeserializer* child) noexcept;
  Content& Contents();
  Rare& Rares();
  void StoreText(ZALMPCompactText& text, std::string_view bytes);
  bool IsLentOrUtf8(std::string_view bytes) const;
  template <class T>
  T* NewArray(std::uint32_t count);
  template <class T>
  void FreeArray(T* array, std::uint32_t count) noexcept;
  template <class T, class Slice>
  void Grow(Slice& slice, std::uint32_t capacity);
  std::string_view KeyText() const;
  void PinKey();
  void Clean() noexcept;
  void SortChildren() const;
  void EnsureGrouped() const;
  void GroupChildren() const;
  Group FindGroup(std::string_view key) const;
  Group FindGroup(std::wstring_view id) const;
  Group ScannedGroupAt(std::uint32_t at) const;
  const Attribute* FindAttribute(std::wstring_view id) const;
  const Attribute* FindAttribute(std::string_view key) const;
  void PutAttribute(std::string_view id, std::string_view value, std::uint8_t type);
  void TakeChild(std::string_view key, bool ownId, Element<ZALMPDeserializer> child);
  void ClearCursors() const;
  void CopyVersionFrom(const ZALMPDeserializer& other);
  void KeepCustomVersion(std::wstring_view version);
  std::wstring_view VersionView() const;
  template <class Value>
  HRESULT GetChildValue(std::wstring_view id, ZALMPDeserializer*& child, Value& value) const;
  template <class Value>
  HRESULT GetAttributeValue(std::wstring_view id, Value& value) const;

  ZALMPCompactText m_id;
  // The text of a String value, or the bytes of a bool, int or double.
  ZALMPCompactText m_value;
  // Children, attributes and rarely used texts; null while there are none.
  Content* m_content = nullptr;
  // The storage of this element's content (and, with kObjectInStorage, of
  // the element itself); null for the heap.
  ZALMPTreeStorage* m_storage = nullptr;
  // Kept for the parent when this element is the first of its id there:
  // 1 + the parent's `GetElement` position for that id, 0 when it has none.
  std::uint32_t m_cursor = 0;
  std::uint8_t m_type = Type::None;
  // 1 + position in ZALMPVersion::kAll, or 0 for a text kept in the content.
  std::uint8_t m_version;
  mutable std::uint8_t m_flags = 0;
  // Where a lookup among the children starts: just past the group found last,
  // since readers mostly ask for children in the order they are kept.
  mutable std::uint8_t m_nextLookup = 0;
};
