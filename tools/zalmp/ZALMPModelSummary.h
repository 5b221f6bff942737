#pragma once
#include <ostream>
#include <string>

struct ZALMPXmlModel;

/// What `zalmp info` shows of a model read from a file: its format version,
/// how many entities of each kind it holds (kinds with none are left out),
/// its globals, its settings and the warnings of the load.
class ZALMPModelSummary {
public:
  static void Print(const ZALMPXmlModel& model, const std::string& path, std::ostream& out);
};
