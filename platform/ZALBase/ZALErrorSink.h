#pragma once
#include <functional>
#include <string>

/// Which of the host's error logs a text was handed to.
enum class ZALErrorChannel { FatalError, SysLogAbend };

/// Receives every text given to ZALFatalError and ZALSysLogAbend.
/// `file` is null and `line` 0 for the abend log.
using ZALErrorSinkFunction =
    std::function<void(ZALErrorChannel channel, const std::string& text, const char* file, int line)>;

/// Installs `sink` in place of standard error and returns the one it replaces
/// (empty when standard error was in use). An empty sink restores standard error.
ZALErrorSinkFunction ZALSetErrorSink(ZALErrorSinkFunction sink);

/// The host's fatal-error log of a test run. Writes and returns; never ends the process.
void ZALFatalError(const char* text, const char* file, int line);

/// The host's abend log of the development stage. Writes and returns.
void ZALSysLogAbend(const char* text);
