#pragma once
#include "ZALCDSArray.h"

#include <ZALStatus.h>

class ZALWBModel;
class ZALWBParserMessenger;

/// Reads equations from text.
///
/// Grammar: equations `left = right` separated by `;` (a final `;` is allowed).
/// Sides are expressions over numbers (`12`, `1.5`, `.5`, `2e-3`), variables, the binary
/// operators `+ - * / ^`, unary `-` and `+`, parentheses and function calls such as
/// `atan2(y, x)`. A variable is a name of letters, digits, `_` and `.` that does not begin
/// with a digit or a dot (`Body.1.x`), or any text in single quotes with `''` standing for
/// one quote (`'id 7'`); a quoted name is never taken for a function. Precedence from
/// loose to tight: `+ -`, then `* /` (both left-associative), then unary minus, then `^`
/// (right-associative): `-a^2` is `-(a^2)`, `a^b^c` is `a^(b^c)` and `a^-b` is `a^(-b)`.
class ZALWBParser {
public:
  /// What to do with a call of a function the library does not know. A kept call
  /// prints back as written but cannot be evaluated.
  enum class BlackBoxes { Refuse, Allow };

  /// How deeply expressions may nest, in tree levels.
  static constexpr int kMaxDepth = 1000;

  ZALWBParser() = delete;

  /// Parses every equation of `text` and appends them to `model`; `equationIds` then
  /// holds their indices in the model and `messenger` no error.
  /// S_OK on success. E_FAIL on a null text, an empty text or a syntax error: `messenger`
  /// holds the message and position of the first error, and neither `model` nor
  /// `equationIds` changes.
  static HRESULT Parse(const char* text, ZALWBModel& model, ZALCDSArray<int>& equationIds,
                       ZALWBParserMessenger& messenger, BlackBoxes blackBoxes);
};
