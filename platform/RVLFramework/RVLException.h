#pragma once
#include <exception>
#include <string>

/// Base of the exceptions that the object framework raises.
class RVLException : public std::exception {
public:
  explicit RVLException(std::string message) : m_message(std::move(message)) {}
  const char* what() const noexcept override { return m_message.c_str(); }

private:
  std::string m_message;
};
