#pragma once
#include <ZALMPAssertionReport.h>

// Every source file defines ZALMP_SOURCE_FILE as "<Module>.m/src/<Class>"
// before it reports a failure.
#define ZALMP_REPORT() ZALMPAssertionReport("", ZALMP_SOURCE_FILE, __LINE__)
