#pragma once
#include <string_view>

// A text of the document as it stands, and what reading it needs; noted
// while it is scanned, so that no one scans it twice.
struct ZALMPXmlRawText {
  std::string_view text;
  bool reference = false;  // holds '&'
  bool escape = false;     // holds "_x"
  bool colon = false;      // holds ':'
  const char* lessThan = nullptr;
};
