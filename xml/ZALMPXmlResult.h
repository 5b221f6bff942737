#pragma once
#include <ZALStatus.h>

#include <string>
#include <utility>

/// The outcome of reading or writing an XML document: success, or what went
/// wrong and, for a problem in the text, where (1-based line and column, the
/// column counted in characters).
struct ZALMPXmlResult {
  HRESULT status = S_OK;
  std::string message;
  int line = 0;    // 0 when the problem has no place in the text
  int column = 0;

  bool Ok() const { return SUCCEEDED(status); }
  explicit operator bool() const { return Ok(); }

  static ZALMPXmlResult Failure(std::string message, int line = 0, int column = 0)
  {
    return {E_FAIL, std::move(message), line, column};
  }
};
