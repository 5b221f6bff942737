#pragma once
#include <ZALErrorSink.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

/// The bytes of the file at `path`; empty when it cannot be read.
inline std::string FileContent(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Captures the failure reports made while it lives (the test process runs
/// with "WKS_ODT_IN" set, so reports reach the fatal-error sink).
class ReportCapture {
public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  int Count() const { return static_cast<int>(m_texts.size()); }
  /// The source file texts of the reports, in order.
  const std::vector<std::string>& Files() const { return m_files; }
  const std::vector<std::string>& Texts() const { return m_texts; }
  void Clear();

private:
  ZALErrorSinkFunction m_previous;
  std::vector<std::string> m_files;
  std::vector<std::string> m_texts;
};
