#pragma once

/// Where a failure is reported from: the reporting class's source text
/// ("<Module>.m/src/<Class>") and line. Shared mechanics (link lists, reference
/// readers) report with their caller's location, so every report names the class
/// whose operation failed.
struct ZALMPSourceLocation {
  const char* file;
  int line;
};

/// The location of the current line of a library source file (which defines ZALMP_SOURCE_FILE).
#define ZALMP_HERE (ZALMPSourceLocation{ZALMP_SOURCE_FILE, __LINE__})
