#pragma once
#include <string>

/// Collects the outcome of one `ZALWBParser::Parse`: after a syntax error it holds a
/// readable message and where in the text the error lies.
class ZALWBParserMessenger {
public:
  bool HasError() const { return m_position >= 0; }
  /// What is wrong, e.g. "expected ')'"; empty without an error.
  const std::string& GetMessage() const { return m_message; }
  /// Byte offset of the error in the parsed text; -1 without an error.
  int GetPosition() const { return m_position; }
  /// 1-based line and column of the error; 0 without an error.
  int GetLine() const { return m_line; }
  int GetColumn() const { return m_column; }
  /// "line L, column C: message", or an empty text without an error.
  std::string GetText() const;

  /// Records an error at byte `position` of `text` (a null text counts as empty).
  void SetError(const char* text, int position, std::string message);
  void Clear();

private:
  std::string m_message;
  int m_position = -1;
  int m_line = 0;
  int m_column = 0;
};
