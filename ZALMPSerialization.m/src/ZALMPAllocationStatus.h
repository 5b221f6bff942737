#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPSourceLocation.h>

#include <ZALStatus.h>

#include <exception>
#include <stdexcept>

/// The status of an element tree step that threw: E_FAIL for a text too long
/// to keep, E_OUTOFMEMORY for anything else, which is memory.
inline HRESULT AllocationFailure(const std::exception& error)
{
  return dynamic_cast<const std::length_error*>(&error) ? E_FAIL : E_OUTOFMEMORY;
}

/// Runs `step`, which takes memory and leaves things as they were when it
/// throws. S_OK; otherwise the status of what it threw, reported at `where`.
template <class Step>
HRESULT RunTakingMemory(ZALMPSourceLocation where, Step&& step)
{
  try {
    step();
  } catch (const std::exception& error) {
    ZALMPAssertionReport("", where.file, where.line);
    return AllocationFailure(error);
  }
  return S_OK;
}
