#include "ZALMPTestSupport.h"

ReportCapture::ReportCapture()
{
  m_previous = ZALSetErrorSink([this](ZALErrorChannel, const std::string& text, const char* file, int) {
    m_texts.push_back(text);
    m_files.push_back(file ? file : "");
  });
}

ReportCapture::~ReportCapture()
{
  ZALSetErrorSink(m_previous);
}

void ReportCapture::Clear()
{
  m_files.clear();
  m_texts.clear();
}
