#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// An entity's persistent identifier: none until it is set, then fixed.
/// The identifiers the library makes ("id" and a UUID, 38 characters; "id"
/// and a sequence number) are ASCII and short, and are kept inside the entity
/// as bytes: a save reads the identifier of every partner of every entity,
/// and one kept in a block of its own costs a cache miss more per reference
/// in a large model, and a load an allocation more per entity. Any other
/// identifier (beyond ASCII, or longer) is kept wide, in a block of its own.
class ZALMPEntityIdentifier {
public:
  bool Has() const noexcept { return m_form != Form::None; }
  /// Sets the identifier; false, and nothing changed, when a wide one cannot be stored.
  bool Assign(std::wstring_view id) noexcept;
  /// The identifier into `id` (empty when there is none).
  void CopyTo(std::wstring& id) const;

private:
  static constexpr std::size_t kInline = 48;
  enum class Form : std::uint8_t { None, Inline, Wide };

  Form m_form = Form::None;
  std::uint8_t m_size = 0;                // of the inline bytes
  std::array<char, kInline> m_inline{};
  std::unique_ptr<std::wstring> m_wide;
};
