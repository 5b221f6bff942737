#include <ZALMPAssertionReport.h>
#include <ZALMPField.h>

ZALMPField::~ZALMPField() = default;

void ZALMPField::Report() const
{
  ZALMPAssertionReport("", m_where.file, m_where.line);
}
