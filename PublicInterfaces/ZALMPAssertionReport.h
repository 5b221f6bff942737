#pragma once
#include "ZALMPExport.h"

/// The one report that every failure path of the library makes before it
/// returns its failure code. Silent in production; in a development stage or a
/// test run ("WKS_ODT_IN") it hands an "AssertionFailed: " text with the file,
/// the line and the call stack to the host's logs, unless "CP_NO_ABEND" is set.
/// Which of these holds is decided on the first call, for the whole process.
ZALMP_EXPORT void ZALMPAssertionReport(const char* message, const char* file, int line);

/// The report of the current line of a source file that defines
/// ZALMP_SOURCE_FILE as "<Module>.m/src/<Class>".
#define ZALMP_REPORT() ZALMPAssertionReport("", ZALMP_SOURCE_FILE, __LINE__)
