#pragma once
#include <cstddef>
#include <vector>

/// The frames of one captured call stack, deepest last.
class ZALBasicStackTrace {
public:
  /// Captures the stack of the caller (frame 0 is the capturing function).
  static ZALBasicStackTrace Capture();

  int GetFrameCount() const { return static_cast<int>(m_frames.size()); }
  /// Writes the text of frame `index` into `buffer` (at most `size` bytes,
  /// terminated). Returns the length written, or -1 for an index out of range.
  int Read(int index, char* buffer, std::size_t size) const;

private:
  std::vector<void*> m_frames;
};
