#include "ZALBase64.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kNotInAlphabet = -1;

constexpr std::array<int, 256> MakeDecodeTable()
{
  std::array<int, 256> table{};
  table.fill(kNotInAlphabet);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
  return table;
}

constexpr std::array<int, 256> kDecodeTable = MakeDecodeTable();

int SextetOf(char c) { return kDecodeTable[static_cast<unsigned char>(c)]; }

}  // namespace

HRESULT ZALBase64::Encode(const void* bytes, int length, std::string& text)
{
  text.clear();
  if (length < 0 || (!bytes && length > 0)) return E_FAIL;
  const auto* in = static_cast<const unsigned char*>(bytes);
  const auto size = static_cast<std::size_t>(length);
  // Sized once and written in place: shape streams are encoded on every save.
  text.resize((size + 2) / 3 * 4);
  char* out = text.data();
  for (std::size_t i = 0; i < size; i += 3, out += 4) {
    const std::size_t count = size - i < 3 ? size - i : 3;
    std::uint32_t group = static_cast<std::uint32_t>(in[i]) << 16;
    if (count > 1) group |= static_cast<std::uint32_t>(in[i + 1]) << 8;
    if (count > 2) group |= in[i + 2];
    out[0] = kAlphabet[(group >> 18) & 0x3F];
    out[1] = kAlphabet[(group >> 12) & 0x3F];
    out[2] = count > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
    out[3] = count > 2 ? kAlphabet[group & 0x3F] : '=';
  }
  return S_OK;
}

HRESULT ZALBase64::Decode(std::string_view text, std::vector<unsigned char>& bytes)
{
  bytes.clear();
  if (text.size() % 4 != 0) return E_FAIL;
  if (text.empty()) return S_OK;
  std::vector<unsigned char> out(text.size() / 4 * 3);
  unsigned char* at = out.data();
  // Every group but the last holds three bytes; a character outside the
  // alphabet (padding included) makes a negative sextet.
  const std::size_t whole = text.size() - 4;
  for (std::size_t i = 0; i < whole; i += 4, at += 3) {
    const int a = SextetOf(text[i]);
    const int b = SextetOf(text[i + 1]);
    const int c = SextetOf(text[i + 2]);
    const int d = SextetOf(text[i + 3]);
    if ((a | b | c | d) < 0) return E_FAIL;
    const auto group = static_cast<std::uint32_t>(a << 18 | b << 12 | c << 6 | d);
    at[0] = static_cast<unsigned char>(group >> 16);
    at[1] = static_cast<unsigned char>(group >> 8);
    at[2] = static_cast<unsigned char>(group);
  }
  // padding may only fill the last one or two places of the last group
  const char* const last = text.data() + whole;
  const int padding = (last[3] == '=') + (last[2] == '=' && last[3] == '=');
  std::uint32_t group = 0;
  for (int k = 0; k < 4; ++k) {
    const int sextet = k < 4 - padding ? SextetOf(last[k]) : 0;
    if (sextet == kNotInAlphabet) return E_FAIL;
    group = (group << 6) | static_cast<std::uint32_t>(sextet);
  }
  // canonical text leaves the bits after the last byte at zero
  if ((padding == 1 && (group & 0xFF) != 0) || (padding == 2 && (group & 0xFFFF) != 0)) return E_FAIL;
  at[0] = static_cast<unsigned char>(group >> 16);
  if (padding < 2) at[1] = static_cast<unsigned char>(group >> 8);
  if (padding < 1) at[2] = static_cast<unsigned char>(group);
  out.resize(out.size() - static_cast<std::size_t>(padding));
  bytes = std::move(out);
  return S_OK;
}
