#pragma once
#include <ZALStatus.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ZALWBVariable;

/// Values of variables by name, for evaluation.
using ZALWBValues = std::map<std::string, double, std::less<>>;

/// One node of an expression tree: a number, a variable, a negation, a binary
/// operation or a function call. A node owns its operands.
class ZALWBExpression {
public:
  enum class Kind { Number, Variable, Negate, Add, Subtract, Multiply, Divide, Power, Function };

  static std::unique_ptr<ZALWBExpression> MakeNumber(double value);
  static std::unique_ptr<ZALWBExpression> MakeVariable(std::string name);
  /// Null when `operand` is null.
  static std::unique_ptr<ZALWBExpression> MakeNegate(std::unique_ptr<ZALWBExpression> operand);
  /// `kind` is one of Add, Subtract, Multiply, Divide, Power; null for another kind
  /// or a null operand.
  static std::unique_ptr<ZALWBExpression> MakeBinary(Kind kind, std::unique_ptr<ZALWBExpression> left,
                                                     std::unique_ptr<ZALWBExpression> right);
  /// A call of `name`, known or not (an unknown function cannot be evaluated).
  /// Null when an argument is null.
  static std::unique_ptr<ZALWBExpression> MakeFunction(std::string name,
                                                       std::vector<std::unique_ptr<ZALWBExpression>> arguments);

  /// Number of arguments of a known function (sin, atan2, ...); -1 for an unknown name.
  static int GetFunctionArity(std::string_view name);

  ZALWBExpression(const ZALWBExpression&) = delete;
  ZALWBExpression& operator=(const ZALWBExpression&) = delete;
  ~ZALWBExpression();

  Kind GetKind() const { return m_kind; }
  /// The number of a Number node; 0 for other kinds.
  double GetNumber() const { return m_number; }
  /// The name of a Variable node (its bound variable's current name once bound)
  /// or of a Function node; empty for other kinds.
  const std::string& GetName() const;
  /// The factory variable a Variable node is bound to; null before binding.
  ZALWBVariable* GetVariable() const { return m_variable; }
  /// Binds a Variable node to a factory variable. E_FAIL for another kind or a null variable.
  HRESULT BindVariable(ZALWBVariable* variable);

  int GetOperandCount() const { return static_cast<int>(m_operands.size()); }
  /// Null when `index` is out of range.
  const ZALWBExpression* GetOperand(int index) const;
  /// Length of the longest path from this node to a leaf, counting both ends.
  int GetDepth() const { return m_depth; }

  /// Same shape, kinds, numbers and names throughout.
  bool IsSameAs(const ZALWBExpression& other) const;

  /// S_OK and the value of the expression. E_FAIL (result 0) when a variable has no
  /// value in `values`, a function is unknown, or the result is not a finite number.
  HRESULT Evaluate(const ZALWBValues& values, double& result) const;

  /// Appends every Variable node of the tree, in reading order.
  void CollectVariableNodes(std::vector<ZALWBExpression*>& nodes);

private:
  ZALWBExpression(Kind kind, std::vector<std::unique_ptr<ZALWBExpression>> operands);
  double Compute(const ZALWBValues& values, bool& ok) const;

  Kind m_kind;
  double m_number = 0.0;
  std::string m_name;
  ZALWBVariable* m_variable = nullptr;
  std::vector<std::unique_ptr<ZALWBExpression>> m_operands;
  int m_depth = 1;
};
