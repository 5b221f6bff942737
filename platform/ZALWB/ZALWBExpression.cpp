#include "ZALWBExpression.h"

#include "ZALWBVariable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct FunctionEntry {
  std::string_view name;
  int arity;
  double (*compute)(const double* arguments);
};

double Sign(double x) { return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0); }

// The functions every equation may call, by name.
constexpr std::array kFunctions{
    FunctionEntry{"sin", 1, [](const double* a) { return std::sin(a[0]); }},
    FunctionEntry{"cos", 1, [](const double* a) { return std::cos(a[0]); }},
    FunctionEntry{"tan", 1, [](const double* a) { return std::tan(a[0]); }},
    FunctionEntry{"asin", 1, [](const double* a) { return std::asin(a[0]); }},
    FunctionEntry{"acos", 1, [](const double* a) { return std::acos(a[0]); }},
    FunctionEntry{"atan", 1, [](const double* a) { return std::atan(a[0]); }},
    FunctionEntry{"sinh", 1, [](const double* a) { return std::sinh(a[0]); }},
    FunctionEntry{"cosh", 1, [](const double* a) { return std::cosh(a[0]); }},
    FunctionEntry{"tanh", 1, [](const double* a) { return std::tanh(a[0]); }},
    FunctionEntry{"sqrt", 1, [](const double* a) { return std::sqrt(a[0]); }},
    FunctionEntry{"exp", 1, [](const double* a) { return std::exp(a[0]); }},
    FunctionEntry{"log", 1, [](const double* a) { return std::log(a[0]); }},
    FunctionEntry{"log10", 1, [](const double* a) { return std::log10(a[0]); }},
    FunctionEntry{"abs", 1, [](const double* a) { return std::fabs(a[0]); }},
    FunctionEntry{"floor", 1, [](const double* a) { return std::floor(a[0]); }},
    FunctionEntry{"ceil", 1, [](const double* a) { return std::ceil(a[0]); }},
    FunctionEntry{"sign", 1, [](const double* a) { return Sign(a[0]); }},
    FunctionEntry{"atan2", 2, [](const double* a) { return std::atan2(a[0], a[1]); }},
    FunctionEntry{"pow", 2, [](const double* a) { return std::pow(a[0], a[1]); }},
    FunctionEntry{"min", 2, [](const double* a) { return std::fmin(a[0], a[1]); }},
    FunctionEntry{"max", 2, [](const double* a) { return std::fmax(a[0], a[1]); }},
    FunctionEntry{"hypot", 2, [](const double* a) { return std::hypot(a[0], a[1]); }},
    FunctionEntry{"mod", 2, [](const double* a) { return std::fmod(a[0], a[1]); }},
};

// evaluation passes the arguments in a two-slot buffer
static_assert(std::all_of(kFunctions.begin(), kFunctions.end(), [](const FunctionEntry& e) { return e.arity <= 2; }));

const FunctionEntry* FindFunction(std::string_view name)
{
  const auto found = std::find_if(kFunctions.begin(), kFunctions.end(),
                                  [name](const FunctionEntry& entry) { return entry.name == name; });
  return found == kFunctions.end() ? nullptr : &*found;
}

bool IsBinary(ZALWBExpression::Kind kind)
{
  using Kind = ZALWBExpression::Kind;
  return kind == Kind::Add || kind == Kind::Subtract || kind == Kind::Multiply || kind == Kind::Divide ||
         kind == Kind::Power;
}

const std::string kNoName;

}  // namespace

ZALWBExpression::ZALWBExpression(Kind kind, std::vector<std::unique_ptr<ZALWBExpression>> operands)
    : m_kind(kind), m_operands(std::move(operands))
{
  for (const auto& operand : m_operands) m_depth = std::max(m_depth, operand->m_depth + 1);
}

ZALWBExpression::~ZALWBExpression() = default;

std::unique_ptr<ZALWBExpression> ZALWBExpression::MakeNumber(double value)
{
  std::unique_ptr<ZALWBExpression> node(new ZALWBExpression(Kind::Number, {}));
  node->m_number = value;
  return node;
}

std::unique_ptr<ZALWBExpression> ZALWBExpression::MakeVariable(std::string name)
{
  std::unique_ptr<ZALWBExpression> node(new ZALWBExpression(Kind::Variable, {}));
  node->m_name = std::move(name);
  return node;
}

std::unique_ptr<ZALWBExpression> ZALWBExpression::MakeNegate(std::unique_ptr<ZALWBExpression> operand)
{
  if (!operand) return nullptr;
  std::vector<std::unique_ptr<ZALWBExpression>> operands;
  operands.push_back(std::move(operand));
  return std::unique_ptr<ZALWBExpression>(new ZALWBExpression(Kind::Negate, std::move(operands)));
}

std::unique_ptr<ZALWBExpression> ZALWBExpression::MakeBinary(Kind kind, std::unique_ptr<ZALWBExpression> left,
                                                             std::unique_ptr<ZALWBExpression> right)
{
  if (!IsBinary(kind) || !left || !right) return nullptr;
  std::vector<std::unique_ptr<ZALWBExpression>> operands;
  operands.push_back(std::move(left));
  operands.push_back(std::move(right));
  return std::unique_ptr<ZALWBExpression>(new ZALWBExpression(kind, std::move(operands)));
}

std::unique_ptr<ZALWBExpression> ZALWBExpression::MakeFunction(
    std::string name, std::vector<std::unique_ptr<ZALWBExpression>> arguments)
{
  if (std::any_of(arguments.begin(), arguments.end(), [](const auto& argument) { return !argument; }))
    return nullptr;
  std::unique_ptr<ZALWBExpression> node(new ZALWBExpression(Kind::Function, std::move(arguments)));
  node->m_name = std::move(name);
  return node;
}

int ZALWBExpression::GetFunctionArity(std::string_view name)
{
  const FunctionEntry* entry = FindFunction(name);
  return entry ? entry->arity : -1;
}

const std::string& ZALWBExpression::GetName() const
{
  if (m_variable) return m_variable->GetName();
  return m_kind == Kind::Variable || m_kind == Kind::Function ? m_name : kNoName;
}

HRESULT ZALWBExpression::BindVariable(ZALWBVariable* variable)
{
  if (m_kind != Kind::Variable || !variable) return E_FAIL;
  m_variable = variable;
  return S_OK;
}

const ZALWBExpression* ZALWBExpression::GetOperand(int index) const
{
  if (index < 0 || index >= GetOperandCount()) return nullptr;
  return m_operands[static_cast<std::size_t>(index)].get();
}

bool ZALWBExpression::IsSameAs(const ZALWBExpression& other) const
{
  if (m_kind != other.m_kind || GetOperandCount() != other.GetOperandCount()) return false;
  // numbers compare by value and sign, so 0 and -0 differ as they print differently
  if (m_kind == Kind::Number &&
      (m_number != other.m_number || std::signbit(m_number) != std::signbit(other.m_number)))
    return false;
  if (GetName() != other.GetName()) return false;
  for (std::size_t i = 0; i < m_operands.size(); ++i)
    if (!m_operands[i]->IsSameAs(*other.m_operands[i])) return false;
  return true;
}

HRESULT ZALWBExpression::Evaluate(const ZALWBValues& values, double& result) const
{
  bool ok = true;
  const double value = Compute(values, ok);
  if (!ok || !std::isfinite(value)) {
    result = 0.0;
    return E_FAIL;
  }
  result = value;
  return S_OK;
}

double ZALWBExpression::Compute(const ZALWBValues& values, bool& ok) const
{
  switch (m_kind) {
    case Kind::Number:
      return m_number;
    case Kind::Variable: {
      const auto found = values.find(GetName());
      if (found == values.end()) {
        ok = false;
        return 0.0;
      }
      return found->second;
    }
    case Kind::Negate:
      return -m_operands[0]->Compute(values, ok);
    case Kind::Function: {
      const FunctionEntry* entry = FindFunction(m_name);
      if (!entry || entry->arity != GetOperandCount()) {
        ok = false;
        return 0.0;
      }
      std::array<double, 2> arguments{};
      for (std::size_t i = 0; i < m_operands.size(); ++i) arguments[i] = m_operands[i]->Compute(values, ok);
      return entry->compute(arguments.data());
    }
    default:
      break;
  }
  const double left = m_operands[0]->Compute(values, ok);
  const double right = m_operands[1]->Compute(values, ok);
  switch (m_kind) {
    case Kind::Add:
      return left + right;
    case Kind::Subtract:
      return left - right;
    case Kind::Multiply:
      return left * right;
    case Kind::Divide:
      return left / right;
    default:
      return std::pow(left, right);
  }
}

void ZALWBExpression::CollectVariableNodes(std::vector<ZALWBExpression*>& nodes)
{
  if (m_kind == Kind::Variable) nodes.push_back(this);
  for (const auto& operand : m_operands) operand->CollectVariableNodes(nodes);
}
