#pragma once
#include <cstddef>

// The text of a double in a document: the shortest that reads back to it,
// fixed or scientific, whichever is shorter (fixed on a tie), exactly as
// std::to_chars writes it without a format. A model's numbers are mostly
// whole or of at most fifteen digits, and those are made here without the
// general search for the shortest digits.
class ZALMPXmlNumberText {
public:
  /// The most bytes a text takes.
  static constexpr std::size_t kMaxLength = 32;
  /// Writes the text at `to`, which has room for kMaxLength bytes; returns its end.
  static char* Write(char* to, double value);
};
