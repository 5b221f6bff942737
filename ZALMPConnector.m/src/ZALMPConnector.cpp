#include <ZALMPConnector.h>

ZALMP_DEFINE_CLASS(ZALMPConnector, ZALMPEntity);

ZALMPConnector::ZALMPConnector() = default;

ZALMPConnector::ZALMPConnector(const ZALMPConnector& source) : ZALMPEntity(source) {}

ZALMPConnector::~ZALMPConnector() = default;
