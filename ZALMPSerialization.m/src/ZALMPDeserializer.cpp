#include <ZALMPDeserializer.h>
#include <ZALMPExactDecimal.h>

#include "ZALMPAllocationStatus.h"
#include "ZALMPAsciiNarrowing.h"
#include "ZALMPTreeStorage.h"
#include "ZALMPValueCell.h"
#include "ZALMPVersionSlot.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <new>
#include <optional>
#include <stdexcept>

#define ZALMP_SOURCE_FILE "ZALMPSerialization.m/src/ZALMPDeserializer"
#include <ZALMPAssertionReport.h>

namespace {

using Text = ZALMPCompactText;

// The encoded key of a wide id, for looking it up. Ids are nearly always short
// and ASCII: those are encoded on the stack, the others as a compact text.
class LookupKey {
public:
  explicit LookupKey(std::wstring_view id)
  {
    if (id.size() <= sizeof m_bytes && ZALMPNarrowAscii(id, m_bytes)) {
      m_view = std::string_view(m_bytes, id.size());
      return;
    }
    m_view = m_text.emplace(ZALMPCompactText::FromWide(id)).View();
  }
  LookupKey(const LookupKey&) = delete;
  LookupKey& operator=(const LookupKey&) = delete;

  std::string_view View() const { return m_view; }

private:
  char m_bytes[64];
  std::optional<ZALMPCompactText> m_text;
  std::string_view m_view;
};

enum Flags : std::uint8_t {
  kUnsorted = 1u << 0,           // children were added out of key order
  kHasCursors = 1u << 1,         // some child holds a GetElement position
  kFiledUnderOwnId = 1u << 2,    // this element's key in its parent is its id
  kFiledUnderRareKey = 1u << 3,  // ... is kept in Rare::key
  // 1u << 4 is kObjectInStorage: the element itself lives in its storage
  kGrouped = 1u << 5,  // with kUnsorted: still each key's children stand together
};

// A run of objects in heap or storage memory; the element manages it.
template <class T>
struct Slice {
  T* data = nullptr;
  std::uint32_t size = 0;
  std::uint32_t capacity = 0;

  T* begin() const { return data; }
  T* end() const { return data + size; }
};

// Children arrays of up to this size are sorted in place, without a buffer.
constexpr std::uint32_t kSmallSort = 32;
// Children or attributes of up to this many are looked up by walking them
// (fewer than 256, the range of the lookup's starting point).
constexpr std::uint32_t kScannedLookup = 40;

// Key equality without a call: keys are short, and most differ in length.
// Up to 16 bytes, two (overlapping) words from each end cover the whole key
// without reading outside it.
[[gnu::always_inline]] inline bool SameKey(std::string_view a, std::string_view b)
{
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  const char* const x = a.data();
  const char* const y = b.data();
  if (size >= 8) {
    if (size > 16) return std::memcmp(x, y, size) == 0;
    return Text::LoadWord<std::uint64_t>(x) == Text::LoadWord<std::uint64_t>(y) &&
           Text::LoadWord<std::uint64_t>(x + size - 8) == Text::LoadWord<std::uint64_t>(y + size - 8);
  }
  if (size >= 4)
    return Text::LoadWord<std::uint32_t>(x) == Text::LoadWord<std::uint32_t>(y) &&
           Text::LoadWord<std::uint32_t>(x + size - 4) == Text::LoadWord<std::uint32_t>(y + size - 4);
  if (size >= 2)
    return Text::LoadWord<std::uint16_t>(x) == Text::LoadWord<std::uint16_t>(y) && x[size - 1] == y[size - 1];
  return size == 0 || x[0] == y[0];
}

// Whether `key` is all ASCII and the very characters of `id`: then it is the
// key `id` is filed under.
[[gnu::always_inline]] inline bool IsAsciiKeyOf(std::string_view key, std::wstring_view id)
{
  if (key.size() != id.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i)
    if (static_cast<unsigned char>(key[i]) >= 0x80 || static_cast<wchar_t>(key[i]) != id[i]) return false;
  return true;
}

// ZALMPCompactText::Compare without a call for keys of up to sixteen bytes:
// the first and the last word of the bytes both share, taken as big-endian
// numbers one after the other, order them as the bytes do.
[[gnu::always_inline]] inline int CompareKeys(std::string_view a, std::string_view b)
{
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  const auto byWords = [&](auto word) {
    using Word = decltype(word);
    const auto bigEndian = [](Word value) -> Word {
      if constexpr (std::endian::native != std::endian::little)
        return value;
      else if constexpr (sizeof(Word) == 8)
        return __builtin_bswap64(value);
      else if constexpr (sizeof(Word) == 4)
        return __builtin_bswap32(value);
      else
        return __builtin_bswap16(value);
    };
    for (const std::size_t at : {std::size_t{0}, common - sizeof(Word)}) {
      const Word x = bigEndian(Text::LoadWord<Word>(a.data() + at));
      const Word y = bigEndian(Text::LoadWord<Word>(b.data() + at));
      if (x != y) return x < y ? -1 : 1;
    }
    return 0;
  };
  int order = 0;
  if (common > 16)
    order = std::memcmp(a.data(), b.data(), common);
  else if (common >= 8)
    order = byWords(std::uint64_t());
  else if (common >= 4)
    order = byWords(std::uint32_t());
  else if (common >= 2)
    order = byWords(std::uint16_t());
  else if (common == 1)
    order = static_cast<int>(static_cast<unsigned char>(a[0])) - static_cast<int>(static_cast<unsigned char>(b[0]));
  if (order != 0) return order;
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Stored types as the variable type enumeration.
using Type = ZALMPSerializationVariable::Type;

bool IsScanfSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads an int as scanf "%d" does: leading white space, an optional sign, at
// least one digit; anything after the digits is ignored. A number outside the
// int range is refused instead of wrapping.
bool ScanInt(std::string_view text, std::int32_t& value)
{
  std::size_t i = 0;
  while (i < text.size() && IsScanfSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size() || text[i] < '0' || text[i] > '9') return false;
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), magnitude);
  (void)end;
  const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  if (error != std::errc() || magnitude > limit) return false;
  value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                   : static_cast<std::int32_t>(magnitude);
  return true;
}

// strtod in the "C" locale, for the range cases that from_chars leaves open.
double CLocaleStrtod(const std::string& text)
{
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t());
  return strtod_l(text.c_str(), nullptr, cLocale);
}

// A plain decimal (digits, an optional fraction, an optional exponent) whose
// digits fit in 53 bits and whose power of ten is exact (at most 22): one
// correctly rounded multiplication or division gives the nearest double, as
// the full reading would. Most numbers of a model file are such; false
// leaves anything else to that reading.
bool ScanPlainDecimal(const char* p, const char* end, double& value)
{
  const auto digit = [&](const char* at) { return at != end && *at >= '0' && *at <= '9'; };
  std::uint64_t mantissa = 0;
  int digits = 0;
  int exponent = 0;
  if (!digit(p)) return false;
  for (; digit(p); ++p, ++digits) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
  if (p != end && *p == '.') {
    if (!digit(++p)) return false;
    for (; digit(p); ++p, ++digits, --exponent) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
  }
  if (digits > 19) return false;
  if (p != end && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (!digit(p)) return false;
    int written = 0;
    for (; digit(p) && written < 1000; ++p) written = written * 10 + (*p - '0');
    if (digit(p)) return false;
    exponent += negative ? -written : written;
  }
  if (mantissa > ZALMPExactDecimal::kLargestDigits || exponent < -ZALMPExactDecimal::kLargestPower ||
      exponent > ZALMPExactDecimal::kLargestPower)
    return false;
  value = ZALMPExactDecimal::Value(mantissa, exponent);
  return true;
}

// Reads a double as scanf "%le" does: leading white space, an optional sign,
// then a decimal or hexadecimal number, "inf", "infinity" or "nan"; anything
// after the number is ignored. Out-of-range numbers become infinity or the
// nearest tiny value, as strtod gives them.
bool ScanDouble(std::string_view text, double& value)
{
  // A lone digit, as most coordinates and matrix entries of a model are.
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
    value = text[0] - '0';
    return true;
  }
  std::size_t i = 0;
  while (i < text.size() && IsScanfSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size() || text[i] == '+' || text[i] == '-') return false;
  const char* begin = text.data() + i;
  const char* end = text.data() + text.size();
  std::chars_format format = std::chars_format::general;
  if (end - begin > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
    begin += 2;
    format = std::chars_format::hex;
    if (*begin == '+' || *begin == '-') return false;
  } else if (double plain = 0.0; ScanPlainDecimal(begin, end, plain)) {
    value = negative ? -plain : plain;
    return true;
  }
  double magnitude = 0.0;
  const auto [stop, error] = std::from_chars(begin, end, magnitude, format);
  if (error == std::errc::result_out_of_range) {
    magnitude = CLocaleStrtod(std::string(text.substr(i)));
  } else if (error != std::errc()) {
    return false;
  }
  (void)stop;
  value = negative ? -magnitude : magnitude;
  return true;
}

// The boolean words; anything else is no boolean (a silent failure).
bool ScanBool(std::string_view text, bool& value)
{
  for (std::string_view word : {"1", "true", "TRUE", "yes", "YES"})
    if (text == word) {
      value = true;
      return true;
    }
  for (std::string_view word : {"0", "false", "FALSE", "no", "NO"})
    if (text == word) {
      value = false;
      return true;
    }
  return false;
}

HRESULT Convert(std::uint8_t type, const ZALMPCompactText& slot, bool& value)
{
  if (type == Type::Bool) {
    value = ZALMPValueCell::ScalarOf<bool>(slot);
    return S_OK;
  }
  if (type == Type::String) return ScanBool(slot.View(), value) ? S_OK : E_FAIL;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT Convert(std::uint8_t type, const ZALMPCompactText& slot, std::int32_t& value)
{
  if (type == Type::Int) {
    value = ZALMPValueCell::ScalarOf<std::int32_t>(slot);
    return S_OK;
  }
  if (type == Type::String && ScanInt(slot.View(), value)) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT Convert(std::uint8_t type, const ZALMPCompactText& slot, double& value)
{
  if (type == Type::Double) {
    value = ZALMPValueCell::ScalarOf<double>(slot);
    return S_OK;
  }
  if (type == Type::String && ScanDouble(slot.View(), value)) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

// Whether a stored value is a text; reported once for both forms a text is read in.
bool IsText(std::uint8_t type)
{
  if (type == Type::String) return true;
  ZALMP_REPORT();
  return false;
}

// A text as the tree keeps it, without converting it.
HRESULT Convert(std::uint8_t type, const ZALMPCompactText& slot, std::string_view& value)
{
  if (!IsText(type)) return E_FAIL;
  value = slot.View();
  return S_OK;
}

HRESULT Convert(std::uint8_t type, const ZALMPCompactText& slot, std::wstring& value)
{
  if (!IsText(type)) return E_FAIL;
  return RunTakingMemory(ZALMP_HERE, [&] { ZALMPCompactText::ToWide(slot.View(), value); });
}

}  // namespace

struct ZALMPDeserializer::Attribute {
  ZALMPCompactText id;
  ZALMPValueCell value;
};

struct ZALMPDeserializer::Rare {
  ZALMPCompactText key;        // the id this element is filed under, when not its own
  std::wstring customVersion;  // the version text when m_version is kCustomVersion
};

struct ZALMPDeserializer::Content {
  // Owned; in key order (stable) unless kUnsorted, and with kGrouped still a run per key.
  Slice<ZALMPDeserializer*> children;
  Slice<Attribute> attributes;         // ordered by id, ids unique
  Rare* rare = nullptr;
};

struct ZALMPDeserializer::Group {
  ElementIterator first;
  ElementIterator last;
  bool Empty() const { return first == last; }
};

// Construction, storage and teardown

ZALMPDeserializer::ZALMPDeserializer() : m_version(kNewestVersionSlot) {}

ZALMPDeserializer::ZALMPDeserializer(NewStorage) : m_storage(ZALMPTreeStorage::Create()), m_version(kNewestVersionSlot)
{
  m_storage->AddUser();
}

ZALMPDeserializer::ZALMPDeserializer(ZALMPTreeStorage& storage) : m_storage(&storage), m_version(kNewestVersionSlot)
{
  m_storage->AddUser();
}

ZALMPDeserializer::~ZALMPDeserializer()
{
  // The root of a tree that holds every element of its storage, none of them
  // with anything of its own to end: a large input tree goes at once.
  if (m_storage && !(m_flags & kObjectInStorage) && m_storage->EndsWithLastRoot()) {
    m_storage->Drop();
    return;
  }
  Clean();
  if (m_content) {
    FreeArray(m_content->children.data, m_content->children.capacity);
    FreeArray(m_content->attributes.data, m_content->attributes.capacity);
    if (Rare* rare = m_content->rare) {
      rare->~Rare();
      FreeArray(rare, 1);
    }
    FreeArray(m_content, 1);
  }
  // An element inside the storage lets go of it only once it is fully ended (Dispose).
  if (m_storage && !(m_flags & kObjectInStorage)) m_storage->RemoveUser();
}

void ZALMPDeserializer::ElementDeleter::operator()(ZALMPDeserializer* element) const noexcept
{
  Dispose(element);
}

void ZALMPDeserializer::Dispose(ZALMPDeserializer* element) noexcept
{
  if (!(element->m_flags & kObjectInStorage)) {
    std::unique_ptr<ZALMPDeserializer> owned(element);
    return;
  }
  ZALMPTreeStorage* const storage = element->m_storage;
  element->~ZALMPDeserializer();
  storage->RemoveUser();
}

// Ends `child` of `parent`, which no longer counts it in their storage's tree.
void ZALMPDeserializer::DisposeChild(const ZALMPDeserializer& parent, ZALMPDeserializer* child) noexcept
{
  if ((child->m_flags & kObjectInStorage) && child->m_storage == parent.m_storage) parent.m_storage->Detach();
  Dispose(child);
}

void* ZALMPDeserializer::AllocateElement(std::size_t size, std::size_t alignment, bool plain)
{
  void* const memory = m_storage->Allocate(size, alignment);
  if (!plain) m_storage->NeedEnding();
  return memory;
}

// Counts `child`, just taken, among the storage's elements inside its tree.
void ZALMPDeserializer::TakeInStorage(ZALMPDeserializer& child)
{
  if ((child.m_flags & kObjectInStorage) && child.m_storage == m_storage) m_storage->Attach();
}

template <class T>
T* ZALMPDeserializer::NewArray(std::uint32_t count)
{
  if (m_storage) return static_cast<T*>(m_storage->Allocate(sizeof(T) * count, alignof(T)));
  return std::allocator<T>().allocate(count);
}

template <class T>
void ZALMPDeserializer::FreeArray(T* array, std::uint32_t count) noexcept
{
  if (!m_storage && array) std::allocator<T>().deallocate(array, count);
}

template <class T, class SliceOfT>
void ZALMPDeserializer::Grow(SliceOfT& slice, std::uint32_t capacity)
{
  if (capacity <= slice.capacity) return;
  T* fresh = NewArray<T>(capacity);
  for (std::uint32_t i = 0; i < slice.size; ++i) {
    ::new (fresh + i) T(std::move(slice.data[i]));
    slice.data[i].~T();
  }
  FreeArray(slice.data, slice.capacity);
  slice.data = fresh;
  slice.capacity = capacity;
}

ZALMPDeserializer::Content& ZALMPDeserializer::Contents()
{
  if (!m_content) m_content = ::new (NewArray<Content>(1)) Content();
  return *m_content;
}

ZALMPDeserializer::Rare& ZALMPDeserializer::Rares()
{
  Content& content = Contents();
  if (!content.rare) content.rare = ::new (NewArray<Rare>(1)) Rare();
  return *content.rare;
}

namespace {

// A copy of `bytes` in `storage`, which `text` then refers to.
[[gnu::noinline]] void StoreCopy(ZALMPTreeStorage& storage, ZALMPCompactText& text, std::string_view bytes)
{
  char* const copy = static_cast<char*>(storage.Allocate(bytes.size(), 1));
  std::memcpy(copy, bytes.data(), bytes.size());
  text.Borrow({copy, bytes.size()});
}

}  // namespace

// Inline for the short texts that most ids and values are.
inline void ZALMPDeserializer::StoreText(ZALMPCompactText& text, std::string_view bytes)
{
  if (!m_storage || bytes.size() <= 15) {
    text.Assign(bytes);
    return;
  }
  if (m_storage->Lends(bytes)) {
    text.Borrow(bytes);
    return;
  }
  StoreCopy(*m_storage, text, bytes);
}

// A lent text was checked with the whole it stands in.
inline bool ZALMPDeserializer::IsLentOrUtf8(std::string_view bytes) const
{
  return (bytes.size() > 16 && m_storage && m_storage->Lends(bytes)) || ZALMPCompactText::IsUtf8(bytes);
}

void ZALMPDeserializer::Clean() noexcept
{
  if (m_content && m_content->children.size != 0) {
    // Ends the subtree after its leaves first, keeping one entry per level
    // instead of recursing, so that a deep tree never exhausts the stack.
    struct Level {
      ZALMPDeserializer* element;
      std::uint32_t next;
    };
    std::vector<Level> levels;
    try {
      levels.push_back({this, 0});
      while (!levels.empty()) {
        const std::size_t top = levels.size() - 1;
        ZALMPDeserializer* const element = levels[top].element;
        Slice<ZALMPDeserializer*>& children = element->m_content->children;
        const std::uint32_t next = levels[top].next;
        if (next < children.size) {
          ZALMPDeserializer* const child = children.data[next];
          if (child->m_content && child->m_content->children.size != 0)
            levels.push_back({child, 0});  // the only step that can fail; nothing moved yet
          else
            DisposeChild(*element, child);
          levels[top].next = next + 1;
          continue;
        }
        children.size = 0;
        levels.pop_back();
        if (element != this) DisposeChild(*levels.back().element, element);
      }
    } catch (const std::bad_alloc&) {
      // Without room for the levels, each element ends its own subtree. The
      // open levels hold elements whose first children are already ended.
      for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        Slice<ZALMPDeserializer*>& children = level->element->m_content->children;
        for (std::uint32_t i = level->next; i < children.size; ++i) DisposeChild(*level->element, children.data[i]);
        children.size = 0;
        if (level->element != this) DisposeChild(*std::next(level)->element, level->element);
      }
      if (levels.empty())
        for (ZALMPDeserializer* child : m_content->children) DisposeChild(*this, child);
      m_content->children.size = 0;
    }
  }
  if (m_content) {
    for (Attribute& attribute : m_content->attributes) attribute.~Attribute();
    m_content->attributes.size = 0;
  }
  m_flags &= static_cast<std::uint8_t>(~(kUnsorted | kGrouped | kHasCursors));
  m_type = Type::None;
}

// Keys, order and lookup

std::string_view ZALMPDeserializer::KeyText() const
{
  if (m_flags & kFiledUnderOwnId) return m_id.View();
  return m_content->rare->key.View();
}

// Before this element's id changes, keeps the key its parent files it under.
void ZALMPDeserializer::PinKey()
{
  if (!(m_flags & kFiledUnderOwnId)) return;
  StoreText(Rares().key, m_id.View());
  m_flags = static_cast<std::uint8_t>((m_flags & ~kFiledUnderOwnId) | kFiledUnderRareKey);
}

namespace {

// Sorts children by key, keeping the order of those of one key.
template <class Children, class Before>
void SortByKey(Children& children, Before before)
{
  if (children.size <= kSmallSort) {
    for (std::uint32_t i = 1; i < children.size; ++i) {
      auto* const moving = children.data[i];
      std::uint32_t j = i;
      for (; j > 0 && before(moving, children.data[j - 1]); --j) children.data[j] = children.data[j - 1];
      children.data[j] = moving;
    }
  } else {
    std::stable_sort(children.begin(), children.end(), before);
  }
}

}  // namespace

void ZALMPDeserializer::SortChildren() const
{
  if (!(m_flags & kUnsorted)) return;
  SortByKey(m_content->children, [](const ZALMPDeserializer* a, const ZALMPDeserializer* b) {
    return CompareKeys(a->KeyText(), b->KeyText()) < 0;
  });
  m_flags &= static_cast<std::uint8_t>(~(kUnsorted | kGrouped));
  m_nextLookup = 0;
}

// Every lookup asks first: the answer is nearly always known, and the work
// stays out of line.
inline void ZALMPDeserializer::EnsureGrouped() const
{
  if ((m_flags & (kUnsorted | kGrouped)) == kUnsorted) GroupChildren();
}

[[gnu::noinline]] void ZALMPDeserializer::GroupChildren() const
{
  // A few children, as most elements have, are looked up by walking them,
  // which needs each key's children together but not the keys in order:
  // checking that costs less than sorting (the full order is made when all
  // children are asked for).
  const Slice<ZALMPDeserializer*>& children = m_content->children;
  const auto oneRunPerKey = [&] {
    for (std::uint32_t i = 1; i < children.size; ++i) {
      const std::string_view key = children.data[i]->KeyText();
      if (SameKey(key, children.data[i - 1]->KeyText())) continue;
      for (std::uint32_t j = 0; j + 1 < i; ++j)
        if (SameKey(key, children.data[j]->KeyText())) return false;
    }
    return true;
  };
  if (children.size <= kScannedLookup && oneRunPerKey()) {
    m_flags |= kGrouped;
    return;
  }
  SortChildren();
}

// The first step of a walk starts a group: at the first child or just past
// the group found last (children that move or come reset the start). Past the
// first step, the child before `at` was walked already.
ZALMPDeserializer::Group ZALMPDeserializer::ScannedGroupAt(std::uint32_t at) const
{
  const Slice<ZALMPDeserializer*>& children = m_content->children;
  const std::string_view key = children.data[at]->KeyText();
  std::uint32_t last = at + 1;
  while (last < children.size && SameKey(children.data[last]->KeyText(), key)) ++last;
  m_nextLookup = static_cast<std::uint8_t>(last < children.size ? last : 0);
  return {children.begin() + at, children.begin() + last};
}

ZALMPDeserializer::Group ZALMPDeserializer::FindGroup(std::wstring_view id) const
{
  // Children are mostly asked for in the order they stand: the child a walk
  // would try first, compared with the wide id as it is, spares making the
  // id's key. Only an ASCII key can match without it.
  const Slice<ZALMPDeserializer*>& children = m_content->children;
  if (children.size <= kScannedLookup) {
    const std::uint32_t at = m_nextLookup < children.size ? m_nextLookup : 0;
    if (IsAsciiKeyOf(children.data[at]->KeyText(), id)) return ScannedGroupAt(at);
  }
  return FindGroup(LookupKey(id).View());
}

ZALMPDeserializer::Group ZALMPDeserializer::FindGroup(std::string_view key) const
{
  struct KeyLess {
    bool operator()(const ZALMPDeserializer* element, std::string_view k) const
    {
      return CompareKeys(element->KeyText(), k) < 0;
    }
    bool operator()(std::string_view k, const ZALMPDeserializer* element) const
    {
      return CompareKeys(k, element->KeyText()) < 0;
    }
  };
  const Slice<ZALMPDeserializer*>& children = m_content->children;
  // Most elements have a handful of children; walking them, lengths compared
  // first, costs less than a binary search's calls.
  if (children.size <= kScannedLookup) {
    const std::uint32_t count = children.size;
    std::uint32_t at = m_nextLookup < count ? m_nextLookup : 0;
    for (std::uint32_t step = 0; step < count; ++step, at = at + 1 < count ? at + 1 : 0)
      if (SameKey(children.data[at]->KeyText(), key)) return ScannedGroupAt(at);
    return {children.end(), children.end()};
  }
  // A collection's children usually all share one id.
  if (SameKey(children.data[0]->KeyText(), key) && SameKey(children.data[children.size - 1]->KeyText(), key))
    return {children.begin(), children.end()};
  const auto range = std::equal_range<ElementIterator>(children.begin(), children.end(), key, KeyLess());
  return {range.first, range.second};
}

void ZALMPDeserializer::ClearCursors() const
{
  if (!(m_flags & kHasCursors)) return;
  for (ZALMPDeserializer* child : m_content->children) child->m_cursor = 0;
  m_flags &= static_cast<std::uint8_t>(~kHasCursors);
}

void ZALMPDeserializer::CopyVersionFrom(const ZALMPDeserializer& other)
{
  if (other.m_version == kCustomVersion) KeepCustomVersion(other.m_content->rare->customVersion);
  m_version = other.m_version;
}

// The version text lives on the heap, which the storage must then give back element by element.
void ZALMPDeserializer::KeepCustomVersion(std::wstring_view version)
{
  Rares().customVersion = version;
  if (m_storage) m_storage->NeedEnding();
}

std::wstring_view ZALMPDeserializer::VersionView() const
{
  if (m_version == kCustomVersion) return m_content->rare->customVersion;
  return KnownVersionAt(m_version);
}

// Reading

HRESULT ZALMPDeserializer::GetId(std::wstring& id) const
{
  return RunTakingMemory(ZALMP_HERE, [&] { ZALMPCompactText::ToWide(m_id.View(), id); });
}

HRESULT ZALMPDeserializer::GetValue(bool& value) const
{
  return Convert(m_type, m_value, value);
}

HRESULT ZALMPDeserializer::GetValue(std::int32_t& value) const
{
  return Convert(m_type, m_value, value);
}

HRESULT ZALMPDeserializer::GetValue(double& value) const
{
  return Convert(m_type, m_value, value);
}

HRESULT ZALMPDeserializer::GetValue(std::wstring& value) const
{
  return Convert(m_type, m_value, value);
}

bool ZALMPDeserializer::HasAttribute(std::wstring_view id) const
{
  return FindAttribute(id) != nullptr;
}

const ZALMPDeserializer::Attribute* ZALMPDeserializer::FindAttribute(std::wstring_view id) const
{
  if (!m_content) return nullptr;
  return FindAttribute(LookupKey(id).View());
}

const ZALMPDeserializer::Attribute* ZALMPDeserializer::FindAttribute(std::string_view key) const
{
  if (!m_content) return nullptr;
  const Slice<Attribute>& attributes = m_content->attributes;
  if (attributes.size <= kScannedLookup) {
    for (const Attribute& attribute : attributes)
      if (SameKey(attribute.id.View(), key)) return &attribute;
    return nullptr;
  }
  const Attribute* found =
      std::lower_bound(attributes.begin(), attributes.end(), key, [](const Attribute& a, std::string_view k) {
        return CompareKeys(a.id.View(), k) < 0;
      });
  return found != attributes.end() && found->id.View() == key ? found : nullptr;
}

template <class Value>
HRESULT ZALMPDeserializer::GetAttributeValue(std::wstring_view id, Value& value) const
{
  const Attribute* attribute = nullptr;
  const HRESULT found = RunTakingMemory(ZALMP_HERE, [&] { attribute = FindAttribute(id); });
  if (FAILED(found)) return found;
  if (!attribute) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return Convert(attribute->value.type, attribute->value.content, value);
}

HRESULT ZALMPDeserializer::GetAttribute(std::wstring_view id, bool& value) const
{
  return GetAttributeValue(id, value);
}

HRESULT ZALMPDeserializer::GetAttribute(std::wstring_view id, std::int32_t& value) const
{
  return GetAttributeValue(id, value);
}

HRESULT ZALMPDeserializer::GetAttribute(std::wstring_view id, double& value) const
{
  return GetAttributeValue(id, value);
}

HRESULT ZALMPDeserializer::GetAttribute(std::wstring_view id, std::wstring& value) const
{
  return GetAttributeValue(id, value);
}

HRESULT ZALMPDeserializer::GetAttributeEncoded(std::wstring_view id, std::string_view& encoded) const
{
  return GetAttributeValue(id, encoded);
}

bool ZALMPDeserializer::HasElement(std::wstring_view id) const
{
  if (!m_content || m_content->children.size == 0) return false;
  EnsureGrouped();
  return !FindGroup(id).Empty();
}

HRESULT ZALMPDeserializer::GetElement(std::wstring_view id, ZALMPDeserializer*& child) const
{
  child = nullptr;
  if (!m_content || m_content->children.size == 0) return S_OK;
  return RunTakingMemory(ZALMP_HERE, [&] {
    EnsureGrouped();
    const Group group = FindGroup(id);
    if (group.Empty()) return;

    // The group's first child keeps the position: 1 + the index last returned.
    ZALMPDeserializer* head = *group.first;
    const auto count = static_cast<std::size_t>(group.last - group.first);
    std::size_t index = head->m_cursor;  // the next one, or 0 when there is no position
    if (index >= count) index = 0;       // past the last child: start again
    const bool restart = head->m_cursor != 0 && index == 0;

    ZALMPDeserializer* found = group.first[index];
    found->CopyVersionFrom(*this);
    head->m_cursor = restart ? 0 : static_cast<std::uint32_t>(index + 1);
    m_flags |= kHasCursors;
    child = found;
  });
}

HRESULT ZALMPDeserializer::SetNextElement(const ZALMPDeserializer* child, int place) const
{
  if (!child || !m_content || m_content->children.size == 0) return S_FALSE;
  try {
    EnsureGrouped();
    // The key the child is filed under: no round trip through its wide id.
    const Group group = FindGroup(child->KeyText());
    if (group.Empty()) return S_FALSE;
    // The position is kept as in GetElement: 1 + the index last returned, 0 for none.
    const auto count = static_cast<std::size_t>(group.last - group.first);
    const std::size_t next = place > 0 && static_cast<std::size_t>(place) < count ? static_cast<std::size_t>(place) : 0;
    (*group.first)->m_cursor = static_cast<std::uint32_t>(next);
    m_flags |= kHasCursors;
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  return S_OK;
}

template <class Value>
HRESULT ZALMPDeserializer::GetChildValue(std::wstring_view id, ZALMPDeserializer*& child, Value& value) const
{
  if (FAILED(GetElement(id, child)) || !child || FAILED(child->GetValue(value))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPDeserializer::GetElement(std::wstring_view id, ZALMPDeserializer*& child, bool& value) const
{
  return GetChildValue(id, child, value);
}

HRESULT ZALMPDeserializer::GetElement(std::wstring_view id, ZALMPDeserializer*& child, std::int32_t& value) const
{
  return GetChildValue(id, child, value);
}

HRESULT ZALMPDeserializer::GetElement(std::wstring_view id, ZALMPDeserializer*& child, double& value) const
{
  return GetChildValue(id, child, value);
}

HRESULT ZALMPDeserializer::GetElement(std::wstring_view id, ZALMPDeserializer*& child, std::wstring& value) const
{
  return GetChildValue(id, child, value);
}

HRESULT ZALMPDeserializer::GetElements(std::vector<ZALMPDeserializer*>& children) const
{
  if (!m_content) return S_OK;
  SortChildren();
  const Slice<ZALMPDeserializer*>& mine = m_content->children;
  return RunTakingMemory(ZALMP_HERE, [&] { children.insert(children.end(), mine.begin(), mine.end()); });
}

HRESULT ZALMPDeserializer::GetElements(std::wstring_view id, ElementIterator& begin, ElementIterator& end) const
{
  if (!m_content || m_content->children.size == 0) return S_OK;
  EnsureGrouped();
  return RunTakingMemory(ZALMP_HERE, [&] {
    const Group group = FindGroup(id);
    if (group.Empty()) return;
    begin = group.first;
    end = group.last;
  });
}

HRESULT ZALMPDeserializer::GetVersion(std::wstring& version) const
{
  return RunTakingMemory(ZALMP_HERE, [&] { version = VersionView(); });
}

HRESULT ZALMPDeserializer::SetVersion(std::wstring_view version)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    const std::uint8_t slot = VersionSlotOf(version);
    if (slot == kCustomVersion) KeepCustomVersion(version);
    m_version = slot;
  });
}

// Building

HRESULT ZALMPDeserializer::SetId(std::wstring_view id)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    const ZALMPCompactText text = ZALMPCompactText::FromWide(id);
    PinKey();
    StoreText(m_id, text.View());
  });
}

HRESULT ZALMPDeserializer::SetIdUtf8(std::string_view id)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    PinKey();
    if (IsLentOrUtf8(id))
      StoreText(m_id, id);
    else
      StoreText(m_id, ZALMPCompactText::FromUtf8(id).View());
  });
}

HRESULT ZALMPDeserializer::SetValue(bool value)
{
  ZALMPValueCell::Store(m_value, m_type, value);
  return S_OK;
}

HRESULT ZALMPDeserializer::SetValue(std::int32_t value)
{
  ZALMPValueCell::Store(m_value, m_type, value);
  return S_OK;
}

HRESULT ZALMPDeserializer::SetValue(double value)
{
  ZALMPValueCell::Store(m_value, m_type, value);
  return S_OK;
}

HRESULT ZALMPDeserializer::SetValue(std::wstring_view value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    StoreText(m_value, ZALMPCompactText::FromWide(value).View());
    m_type = Type::String;
  });
}

HRESULT ZALMPDeserializer::SetValueUtf8(std::string_view value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    if (IsLentOrUtf8(value))
      StoreText(m_value, value);
    else
      StoreText(m_value, ZALMPCompactText::FromUtf8(value).View());
    m_type = Type::String;
  });
}

HRESULT ZALMPDeserializer::SetLeafUtf8(std::string_view id, std::string_view value)
{
  // Short ASCII texts on an element not yet filed under its id fit inline:
  // nothing can fail and nothing needs the general steps.
  constexpr std::size_t kShort = 15;
  if (!(m_flags & kFiledUnderOwnId) && id.size() <= kShort && value.size() <= kShort && ZALMPCompactText::IsUtf8(id) &&
      ZALMPCompactText::IsUtf8(value)) {
    m_id.Assign(id);
    m_value.Assign(value);
    m_type = Type::String;
    return S_OK;
  }
  const HRESULT status = SetIdUtf8(id);
  return FAILED(status) ? status : SetValueUtf8(value);
}

void ZALMPDeserializer::PutAttribute(std::string_view id, std::string_view value, std::uint8_t type)
{
  Slice<Attribute>& attributes = Contents().attributes;
  // Readers mostly meet attributes in order or few of them: append when possible.
  std::uint32_t position = attributes.size;
  if (attributes.size != 0 && CompareKeys(attributes.data[attributes.size - 1].id.View(), id) >= 0) {
    const Attribute* found = std::lower_bound(attributes.begin(), attributes.end(), id, [](const Attribute& a, std::string_view k) {
      return CompareKeys(a.id.View(), k) < 0;
    });
    position = static_cast<std::uint32_t>(found - attributes.begin());
    if (found->id.View() == id) {
      ZALMPCompactText text;  // complete before the attribute changes
      StoreText(text, value);
      attributes.data[position].value.content = std::move(text);
      attributes.data[position].value.type = type;
      return;
    }
  }
  if (attributes.size == attributes.capacity) Grow<Attribute>(attributes, std::max<std::uint32_t>(2, 2 * attributes.capacity));
  Attribute* const slot = ::new (attributes.data + attributes.size) Attribute();
  try {
    StoreText(slot->id, id);
    StoreText(slot->value.content, value);
  } catch (...) {
    slot->~Attribute();
    throw;
  }
  slot->value.type = type;
  ++attributes.size;
  if (position + 1 != attributes.size)
    std::rotate(attributes.data + position, attributes.data + attributes.size - 1, attributes.data + attributes.size);
}

HRESULT ZALMPDeserializer::AddAttributeValue(std::wstring_view id, bool value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    PutAttribute(ZALMPCompactText::FromWide(id).View(), ZALMPValueCell::BytesOf(value), Type::Bool);
  });
}

HRESULT ZALMPDeserializer::AddAttributeValue(std::wstring_view id, std::int32_t value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    PutAttribute(ZALMPCompactText::FromWide(id).View(), ZALMPValueCell::BytesOf(value), Type::Int);
  });
}

HRESULT ZALMPDeserializer::AddAttributeValue(std::wstring_view id, double value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    PutAttribute(ZALMPCompactText::FromWide(id).View(), ZALMPValueCell::BytesOf(value), Type::Double);
  });
}

HRESULT ZALMPDeserializer::AddAttributeValue(std::wstring_view id, std::wstring_view value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    PutAttribute(ZALMPCompactText::FromWide(id).View(), ZALMPCompactText::FromWide(value).View(), Type::String);
  });
}

HRESULT ZALMPDeserializer::AddAttributeValueUtf8(std::string_view id, std::string_view value)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    if (IsLentOrUtf8(id) && IsLentOrUtf8(value))
      PutAttribute(id, value, Type::String);
    else
      PutAttribute(ZALMPCompactText::FromUtf8(id).View(), ZALMPCompactText::FromUtf8(value).View(), Type::String);
  });
}

HRESULT ZALMPDeserializer::ReserveElements(int count)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    if (count > 0) Grow<ZALMPDeserializer*>(Contents().children, static_cast<std::uint32_t>(count));
  });
}

HRESULT ZALMPDeserializer::ReserveAttributes(int count)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    if (count > 0) Grow<Attribute>(Contents().attributes, static_cast<std::uint32_t>(count));
  });
}

void ZALMPDeserializer::TakeChild(std::string_view key, bool ownId, Element<ZALMPDeserializer> child)
{
  // The steps that can fail come first.
  Slice<ZALMPDeserializer*>& children = Contents().children;
  if (children.size == children.capacity) Grow<ZALMPDeserializer*>(children, std::max<std::uint32_t>(4, 2 * children.capacity));
  ownId = ownId || key == child->m_id.View();
  if (!ownId) child->StoreText(child->Rares().key, key);
  child->m_flags &= static_cast<std::uint8_t>(~(kFiledUnderOwnId | kFiledUnderRareKey));
  child->m_flags |= ownId ? kFiledUnderOwnId : kFiledUnderRareKey;

  ClearCursors();
  m_nextLookup = 0;
  m_flags &= static_cast<std::uint8_t>(~kGrouped);  // the new child may stand apart from its key's others
  if (!(m_flags & kUnsorted) && children.size != 0 &&
      CompareKeys(children.data[children.size - 1]->KeyText(), key) > 0)
    m_flags |= kUnsorted;
  TakeInStorage(*child);
  children.data[children.size++] = child.release();
}

HRESULT ZALMPDeserializer::AddElement(std::wstring_view id, Element<ZALMPDeserializer> child)
{
  if (!child) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return RunTakingMemory(ZALMP_HERE,
                         [&] { TakeChild(ZALMPCompactText::FromWide(id).View(), false, std::move(child)); });
}

HRESULT ZALMPDeserializer::AddElement(Element<ZALMPDeserializer> child)
{
  if (!child) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return RunTakingMemory(ZALMP_HERE, [&] {
    const std::string_view key = child->m_id.View();
    TakeChild(key, true, std::move(child));
  });
}

HRESULT ZALMPDeserializer::AddElements(std::vector<Element<ZALMPDeserializer>>& children)
{
  if (children.empty()) return S_OK;
  for (const Element<ZALMPDeserializer>& child : children)
    if (!child) {
      ZALMP_REPORT();
      return E_FAIL;
    }
  try {
    Slice<ZALMPDeserializer*>& mine = Contents().children;
    Grow<ZALMPDeserializer*>(mine, mine.size + static_cast<std::uint32_t>(children.size()));
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  // With the room made and each child under its own id, nothing below can fail.
  ClearCursors();
  m_nextLookup = 0;
  m_flags &= static_cast<std::uint8_t>(~kGrouped);
  Slice<ZALMPDeserializer*>& mine = m_content->children;
  std::string_view previous = mine.size != 0 ? mine.data[mine.size - 1]->KeyText() : std::string_view();
  bool sorted = !(m_flags & kUnsorted);
  for (Element<ZALMPDeserializer>& child : children) {
    ZALMPDeserializer* const taken = child.release();
    taken->m_flags = static_cast<std::uint8_t>((taken->m_flags & ~kFiledUnderRareKey) | kFiledUnderOwnId);
    TakeInStorage(*taken);
    const std::string_view key = taken->m_id.View();
    if (sorted && mine.size != 0 && CompareKeys(previous, key) > 0) sorted = false;
    previous = key;
    mine.data[mine.size++] = taken;
  }
  if (!sorted) m_flags |= kUnsorted;
  children.clear();
  return S_OK;
}

HRESULT ZALMPDeserializer::ResetKeepingStorage()
{
  if (!m_storage || (m_flags & kObjectInStorage) || !m_storage->HoldsOneTree()) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  // Elements with nothing of their own to end go with the memory, as a whole tree does.
  if (!m_storage->Plain()) Clean();
  if (m_content && m_content->rare) m_content->rare->~Rare();
  m_content = nullptr;
  m_id = ZALMPCompactText();
  m_value = ZALMPCompactText();
  m_type = Type::None;
  m_version = kNewestVersionSlot;
  m_flags = 0;
  m_nextLookup = 0;
  m_storage->Rewind();
  return S_OK;
}

HRESULT ZALMPDeserializer::LendTexts(std::string_view source)
{
  if (!m_storage || (m_flags & kObjectInStorage)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (!ZALMPCompactText::IsUtf8(source)) return S_FALSE;
  m_storage->Lend(source);
  return S_OK;
}

void ZALMPDeserializer::RestartElementSequences() const
{
  ClearCursors();
  m_nextLookup = 0;
}

int ZALMPDeserializer::FindAttributeUtf8(std::string_view id) const
{
  const Attribute* const found = FindAttribute(id);
  return found ? static_cast<int>(found - m_content->attributes.data) : -1;
}

HRESULT ZALMPDeserializer::SetAttributeValueUtf8(int place, std::string_view value)
{
  if (!m_content || place < 0 || static_cast<std::uint32_t>(place) >= m_content->attributes.size) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALMPValueCell& cell = m_content->attributes.data[place].value;
  // A lent text is only referred to: nothing can fail on its way.
  if (value.size() > 15 && value.size() <= std::numeric_limits<std::uint32_t>::max() && m_storage &&
      m_storage->Lends(value)) {
    cell.content.Borrow(value);
    cell.type = Type::String;
    return S_OK;
  }
  return RunTakingMemory(ZALMP_HERE, [&] {
    ZALMPCompactText text;  // complete before the attribute changes
    if (ZALMPCompactText::IsUtf8(value))
      StoreText(text, value);
    else
      StoreText(text, ZALMPCompactText::FromUtf8(value).View());
    cell.content = std::move(text);
    cell.type = Type::String;
  });
}

HRESULT ZALMPDeserializer::SwapContent(ZALMPDeserializer& other)
{
  if (m_storage != other.m_storage) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  // Both need room for the texts they exchange and for their own keys.
  const HRESULT room = RunTakingMemory(ZALMP_HERE, [&] {
    Rares();
    other.Rares();
    PinKey();
    other.PinKey();
  });
  if (FAILED(room)) return room;
  std::swap(m_id, other.m_id);
  std::swap(m_value, other.m_value);
  std::swap(m_type, other.m_type);
  std::swap(m_version, other.m_version);
  std::swap(m_content->children, other.m_content->children);
  m_nextLookup = other.m_nextLookup = 0;
  std::swap(m_content->attributes, other.m_content->attributes);
  std::swap(m_content->rare->customVersion, other.m_content->rare->customVersion);
  constexpr std::uint8_t kChildFlags = kUnsorted | kGrouped | kHasCursors;
  const std::uint8_t mine = m_flags & kChildFlags;
  m_flags = static_cast<std::uint8_t>((m_flags & ~kChildFlags) | (other.m_flags & kChildFlags));
  other.m_flags = static_cast<std::uint8_t>((other.m_flags & ~kChildFlags) | mine);
  return S_OK;
}
