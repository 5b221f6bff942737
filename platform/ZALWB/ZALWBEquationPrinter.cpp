#include "ZALWBEquationPrinter.h"

#include "ZALCDSString.h"
#include "ZALWBEquation.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

using Kind = ZALWBExpression::Kind;

// Binding strength, loose to tight; a negative number binds like a negation.
constexpr int kSum = 1;
constexpr int kProduct = 2;
constexpr int kNegation = 3;
constexpr int kPower = 4;
constexpr int kAtom = 5;

int Strength(const ZALWBExpression& node)
{
  switch (node.GetKind()) {
    case Kind::Add:
    case Kind::Subtract:
      return kSum;
    case Kind::Multiply:
    case Kind::Divide:
      return kProduct;
    case Kind::Negate:
      return kNegation;
    case Kind::Power:
      return kPower;
    case Kind::Number:
      return std::signbit(node.GetNumber()) ? kNegation : kAtom;
    default:
      return kAtom;
  }
}

bool IsPlainName(const std::string& name)
{
  if (name.empty()) return false;
  const auto isStart = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!isStart(name[0])) return false;
  for (const char c : name)
    if (!isStart(c) && !(c >= '0' && c <= '9') && c != '.') return false;
  return true;
}

std::string Quoted(const std::string& name)
{
  std::string out = "'";
  for (const char c : name) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

const char* Operator(Kind kind)
{
  switch (kind) {
    case Kind::Add:
      return " + ";
    case Kind::Subtract:
      return " - ";
    case Kind::Multiply:
      return " * ";
    case Kind::Divide:
      return " / ";
    default:
      return "^";
  }
}

bool Write(const ZALWBExpression& node, std::string& out);

bool WriteOperand(const ZALWBExpression& operand, bool parenthesise, std::string& out)
{
  if (!parenthesise) return Write(operand, out);
  out += '(';
  const bool ok = Write(operand, out);
  out += ')';
  return ok;
}

bool Write(const ZALWBExpression& node, std::string& out)
{
  switch (node.GetKind()) {
    case Kind::Number: {
      if (!std::isfinite(node.GetNumber())) return false;
      char buffer[64];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, node.GetNumber());
      out.append(buffer, result.ptr);
      return true;
    }
    case Kind::Variable: {
      const std::string& name = node.GetName();
      out += IsPlainName(name) && ZALWBExpression::GetFunctionArity(name) < 0 ? name : Quoted(name);
      return true;
    }
    case Kind::Function: {
      const int arity = ZALWBExpression::GetFunctionArity(node.GetName());
      if (!IsPlainName(node.GetName()) || (arity >= 0 && arity != node.GetOperandCount())) return false;
      out += node.GetName();
      out += '(';
      for (int i = 0; i < node.GetOperandCount(); ++i) {
        if (i > 0) out += ", ";
        if (!Write(*node.GetOperand(i), out)) return false;
      }
      out += ')';
      return true;
    }
    case Kind::Negate: {
      out += '-';
      const ZALWBExpression& operand = *node.GetOperand(0);
      return WriteOperand(operand, Strength(operand) < kNegation, out);
    }
    default:
      break;
  }
  const ZALWBExpression& left = *node.GetOperand(0);
  const ZALWBExpression& right = *node.GetOperand(1);
  const int strength = Strength(node);
  // `^` groups to the right and takes a negation as its exponent; the others group to the left
  const bool power = node.GetKind() == Kind::Power;
  const bool leftParentheses = power ? Strength(left) <= kPower : Strength(left) < strength;
  const bool rightParentheses = power ? Strength(right) < kNegation : Strength(right) <= strength;
  if (!WriteOperand(left, leftParentheses, out)) return false;
  out += Operator(node.GetKind());
  return WriteOperand(right, rightParentheses, out);
}

}  // namespace

HRESULT ZALWBEquationPrinter::Print(const ZALWBEquation* equation, ZALCDSString& text)
{
  if (!equation) return E_FAIL;
  std::string out;
  if (!Write(equation->GetLeft(), out)) return E_FAIL;
  out += " = ";
  if (!Write(equation->GetRight(), out)) return E_FAIL;
  text.Assign(std::move(out));
  return S_OK;
}

HRESULT ZALWBEquationPrinter::PrintExpression(const ZALWBExpression* expression, ZALCDSString& text)
{
  if (!expression) return E_FAIL;
  std::string out;
  if (!Write(*expression, out)) return E_FAIL;
  text.Assign(std::move(out));
  return S_OK;
}
