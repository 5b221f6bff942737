#include "ZALWBParser.h"

#include "ZALWBEquation.h"
#include "ZALWBModel.h"
#include "ZALWBParserMessenger.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

using Node = std::unique_ptr<ZALWBExpression>;
using Kind = ZALWBExpression::Kind;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNamePart(char c) { return IsNameStart(c) || IsDigit(c) || c == '.'; }

std::string Describe(char c)
{
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7F) return std::string("'") + c + "'";
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", byte);
  return std::string("byte ") + hex;
}

// Recursive-descent reader of one text; stops at the first error.
class Reader {
public:
  Reader(const char* text, ZALWBParser::BlackBoxes blackBoxes)
      : m_text(text), m_size(std::strlen(text)), m_blackBoxes(blackBoxes)
  {
  }

  // All equations of the text, or nothing when an error was found.
  std::vector<std::unique_ptr<ZALWBEquation>> ReadAll()
  {
    std::vector<std::unique_ptr<ZALWBEquation>> equations;
    do {
      std::unique_ptr<ZALWBEquation> equation = ReadEquation();
      if (!equation) return {};
      equations.push_back(std::move(equation));
      if (Peek() == '=') {
        Fail(m_pos, "an equation has only one '='");
        return {};
      }
      if (Peek() != ';' && Peek() != '\0') {
        FailAtNext("expected an operator, ';' or the end of the text");
        return {};
      }
      if (Peek() == ';') ++m_pos;
    } while (Peek() != '\0');
    return equations;
  }

  bool Failed() const { return m_error.has_value(); }
  int ErrorPosition() const { return static_cast<int>(m_errorPosition); }
  std::string ErrorMessage() const { return m_error.value_or(std::string()); }

private:
  // Skips white space and returns the next character, 0 at the end of the text.
  char Peek()
  {
    while (m_pos < m_size && std::strchr(" \t\r\n", m_text[m_pos]) != nullptr) ++m_pos;
    return m_pos < m_size ? m_text[m_pos] : '\0';
  }

  // Records the first error only; the null it returns ends the caller's read.
  std::nullptr_t Fail(std::size_t position, std::string message)
  {
    if (!m_error) {
      m_error = std::move(message);
      m_errorPosition = position;
    }
    return nullptr;
  }

  // A character the grammar never uses is named as such; otherwise `expectation` says what was missing.
  std::nullptr_t FailAtNext(const std::string& expectation)
  {
    const char c = Peek();
    if (c == '\0' || IsDigit(c) || IsNamePart(c) || std::strchr("'+-*/^=;,()", c) != nullptr)
      return Fail(m_pos, expectation);
    return Fail(m_pos, "unexpected character " + Describe(c));
  }

  Node Checked(Node node, std::size_t position)
  {
    if (node && node->GetDepth() > ZALWBParser::kMaxDepth) return Fail(position, "expression nested too deeply");
    return node;
  }

  std::unique_ptr<ZALWBEquation> ReadEquation()
  {
    if (Peek() == '\0') return Fail(m_pos, "expected an equation");
    Node left = ReadSum();
    if (!left) return nullptr;
    if (Peek() != '=') return FailAtNext("expected an operator or '='");
    ++m_pos;
    Node right = ReadSum();
    if (!right) return nullptr;
    return ZALWBEquation::Make(std::move(left), std::move(right));
  }

  Node ReadSum()
  {
    Node node = ReadProduct();
    while (node && (Peek() == '+' || Peek() == '-')) {
      const std::size_t at = m_pos;
      const Kind kind = m_text[m_pos++] == '+' ? Kind::Add : Kind::Subtract;
      Node right = ReadProduct();
      if (!right) return nullptr;
      node = Checked(ZALWBExpression::MakeBinary(kind, std::move(node), std::move(right)), at);
    }
    return node;
  }

  Node ReadProduct()
  {
    Node node = ReadUnary();
    while (node && (Peek() == '*' || Peek() == '/')) {
      const std::size_t at = m_pos;
      const Kind kind = m_text[m_pos++] == '*' ? Kind::Multiply : Kind::Divide;
      Node right = ReadUnary();
      if (!right) return nullptr;
      node = Checked(ZALWBExpression::MakeBinary(kind, std::move(node), std::move(right)), at);
    }
    return node;
  }

  // Every nested construct passes through here, so the nesting guard sits here too.
  Node ReadUnary()
  {
    Peek();
    const std::size_t at = m_pos;
    if (m_nesting >= ZALWBParser::kMaxDepth) return Fail(at, "expression nested too deeply");
    ++m_nesting;
    Node node;
    if (Peek() == '-') {
      ++m_pos;
      Node operand = ReadUnary();
      if (operand) node = Checked(ZALWBExpression::MakeNegate(std::move(operand)), at);
    } else if (Peek() == '+') {
      ++m_pos;
      node = ReadUnary();
    } else {
      node = ReadPower();
    }
    --m_nesting;
    return node;
  }

  Node ReadPower()
  {
    Node base = ReadPrimary();
    if (!base || Peek() != '^') return base;
    const std::size_t at = m_pos++;
    Node exponent = ReadUnary();
    if (!exponent) return nullptr;
    return Checked(ZALWBExpression::MakeBinary(Kind::Power, std::move(base), std::move(exponent)), at);
  }

  Node ReadPrimary()
  {
    const char c = Peek();
    const std::size_t at = m_pos;
    if (IsDigit(c) || (c == '.' && IsDigit(m_text[m_pos + 1]))) return ReadNumber();
    if (IsNameStart(c)) return ReadNamed();
    if (c == '\'') {
      std::optional<std::string> name = ReadQuotedName();
      return name ? ZALWBExpression::MakeVariable(std::move(*name)) : nullptr;
    }
    if (c == '(') {
      ++m_pos;
      Node inner = ReadSum();
      if (!inner) return nullptr;
      if (Peek() != ')') return Fail(m_pos, "expected ')'");
      ++m_pos;
      return inner;
    }
    if (c == '\0') return Fail(at, "unexpected end of the text");
    return FailAtNext("expected a number, a name or '(' before " + Describe(c));
  }

  Node ReadNumber()
  {
    const std::size_t start = m_pos;
    std::size_t end = m_pos;
    while (end < m_size && IsDigit(m_text[end])) ++end;
    if (end < m_size && m_text[end] == '.') {
      ++end;
      while (end < m_size && IsDigit(m_text[end])) ++end;
    }
    if (end < m_size && (m_text[end] == 'e' || m_text[end] == 'E')) {
      std::size_t digits = end + 1;
      if (digits < m_size && (m_text[digits] == '+' || m_text[digits] == '-')) ++digits;
      if (digits < m_size && IsDigit(m_text[digits])) {
        end = digits;
        while (end < m_size && IsDigit(m_text[end])) ++end;
      }
    }
    double value = 0.0;
    const auto [stop, error] = std::from_chars(m_text + start, m_text + end, value);
    if (error == std::errc::result_out_of_range) return Fail(start, "number out of range");
    if (error != std::errc() || stop != m_text + end) return Fail(start, "malformed number");
    m_pos = end;
    return ZALWBExpression::MakeNumber(value);
  }

  // A variable, or a function call when the name is followed by '('.
  Node ReadNamed()
  {
    const std::size_t start = m_pos;
    while (m_pos < m_size && IsNamePart(m_text[m_pos])) ++m_pos;
    std::string name(m_text + start, m_pos - start);
    const int arity = ZALWBExpression::GetFunctionArity(name);
    if (Peek() != '(') {
      if (arity >= 0) return Fail(start, "function '" + name + "' needs its arguments in parentheses");
      return ZALWBExpression::MakeVariable(std::move(name));
    }
    if (arity < 0 && m_blackBoxes == ZALWBParser::BlackBoxes::Refuse)
      return Fail(start, "unknown function '" + name + "'");

    ++m_pos;
    std::vector<Node> arguments;
    if (Peek() != ')') {
      while (true) {
        Node argument = ReadSum();
        if (!argument) return nullptr;
        arguments.push_back(std::move(argument));
        if (Peek() != ',') break;
        ++m_pos;
      }
    }
    if (Peek() != ')') return Fail(m_pos, "expected ',' or ')'");
    ++m_pos;
    if (arity >= 0 && arity != static_cast<int>(arguments.size())) {
      return Fail(start, "function '" + name + "' takes " + std::to_string(arity) + " argument" +
                             (arity == 1 ? "" : "s") + ", not " + std::to_string(arguments.size()));
    }
    return Checked(ZALWBExpression::MakeFunction(std::move(name), std::move(arguments)), start);
  }

  std::optional<std::string> ReadQuotedName()
  {
    const std::size_t start = m_pos++;
    std::string name;
    while (m_pos < m_size) {
      const char c = m_text[m_pos++];
      if (c != '\'') {
        name += c;
      } else if (m_pos < m_size && m_text[m_pos] == '\'') {
        name += '\'';
        ++m_pos;
      } else {
        return name;
      }
    }
    Fail(start, "unterminated quoted name");
    return std::nullopt;
  }

  const char* m_text;
  std::size_t m_size;
  std::size_t m_pos = 0;
  ZALWBParser::BlackBoxes m_blackBoxes;
  int m_nesting = 0;
  std::optional<std::string> m_error;
  std::size_t m_errorPosition = 0;
};

}  // namespace

HRESULT ZALWBParser::Parse(const char* text, ZALWBModel& model, ZALCDSArray<int>& equationIds,
                           ZALWBParserMessenger& messenger, BlackBoxes blackBoxes)
{
  messenger.Clear();
  if (!text) {
    messenger.SetError("", 0, "no text to parse");
    return E_FAIL;
  }
  Reader reader(text, blackBoxes);
  std::vector<std::unique_ptr<ZALWBEquation>> equations = reader.ReadAll();
  if (reader.Failed()) {
    messenger.SetError(text, reader.ErrorPosition(), reader.ErrorMessage());
    return E_FAIL;
  }
  // only a complete parse reaches the model
  equationIds.Clear();
  for (auto& equation : equations) equationIds.Append(model.AddEquation(std::move(equation)));
  return S_OK;
}
