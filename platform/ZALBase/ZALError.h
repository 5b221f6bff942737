#pragma once
#include <stdexcept>
#include <string>

/// An error raised by host code inside an error-trapping context.
class ZALError : public std::runtime_error {
public:
  explicit ZALError(const std::string& message) : std::runtime_error(message) {}
  /// Marks the error as handled; the context that trapped it discards it.
  void Flush() { m_flushed = true; }
  bool IsFlushed() const { return m_flushed; }

private:
  bool m_flushed = false;
};
