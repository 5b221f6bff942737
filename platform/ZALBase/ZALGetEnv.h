#pragma once

/// The value of environment variable `name`, or null when it is not set.
const char* ZALGetEnv(const char* name);
