#pragma once
#include "ZALMPExport.h"

#include <string>
#include <string_view>
#include <vector>

class ZALMPDeserializer;

/// Keeps the library's failure reports while it is alive, whatever the
/// environment switches decide about the logs, so that a host can show them,
/// e.g. as the warnings of a model load. Collectors nest: the innermost one
/// alive on the thread gets the reports. Long passes over many elements
/// (reading a world) name the element they are at with `ZALMPReportContext`,
/// and each report keeps that name.
class ZALMP_EXPORT ZALMPReportCollector {
public:
  struct Report {
    std::string file;     // "<Module>.m/src/<Class>" of the failure path
    int line = 0;         // its line
    std::wstring context; // the element being worked on, when a pass named one
  };

  ZALMPReportCollector();
  ~ZALMPReportCollector();
  ZALMPReportCollector(const ZALMPReportCollector&) = delete;
  ZALMPReportCollector& operator=(const ZALMPReportCollector&) = delete;

  const std::vector<Report>& Reports() const { return m_reports; }
  /// The reports kept so far, handed over; the collector keeps collecting.
  std::vector<Report> TakeReports();
  /// The element that was being worked on when an exception first left a
  /// named context; empty when none did.
  const std::wstring& UnwoundContext() const { return m_unwoundContext; }

  /// Called by the failure report: keeps it in the innermost collector, if any.
  static void Collect(const char* file, int line);

private:
  friend class ZALMPReportContext;

  std::vector<Report> m_reports;
  std::wstring m_unwoundContext;
  ZALMPReportCollector* m_outer = nullptr;
};

/// Names, while alive, the element that reports made now concern: the
/// `index`-th child (from 0) of the collection `collection`, `element` itself
/// when given (its id and "id" attribute are added to the name). Restores the
/// previous name when it ends. `collection` and `element` must outlive it.
/// Costs two stores when no collector is alive: the name is only formatted
/// when a report is kept.
class ZALMP_EXPORT ZALMPReportContext {
public:
  ZALMPReportContext(std::wstring_view collection, int index, const ZALMPDeserializer* element);
  ~ZALMPReportContext();
  ZALMPReportContext(const ZALMPReportContext&) = delete;
  ZALMPReportContext& operator=(const ZALMPReportContext&) = delete;

  /// "Bodies[3] <Body id=\"12\">", or "" when no context is named on this thread.
  static std::wstring Describe();

private:
  std::wstring_view m_collection;
  int m_index;
  const ZALMPDeserializer* m_element;
  ZALMPReportContext* m_outer;
  int m_exceptionsInFlight;
};
