#pragma once
#include <ZALStatus.h>

class ZALCDSString;
class ZALWBEquation;
class ZALWBExpression;

/// Writes equations as text that `ZALWBParser` reads back to the same trees: operators
/// spaced (`a + b * c`, `x^2`), only the parentheses the tree needs, numbers in the
/// shortest form that reads back to the same double, and names that are not plain
/// (or that are function names) in single quotes. A negative number held in a tree
/// prints as a negation (`-2`) and therefore reads back as one.
class ZALWBEquationPrinter {
public:
  ZALWBEquationPrinter() = delete;

  /// S_OK: `text` holds "left = right". E_FAIL, `text` unchanged: the equation is null
  /// or holds what text cannot express (a number that is not finite, a function name
  /// that is not a plain name, a known function with the wrong number of arguments).
  static HRESULT Print(const ZALWBEquation* equation, ZALCDSString& text);
  /// The same for one expression.
  static HRESULT PrintExpression(const ZALWBExpression* expression, ZALCDSString& text);
};
