#pragma once

// The library hides every symbol by default; public classes and functions carry this mark.
#define ZALMP_EXPORT __attribute__((visibility("default")))
