#include <ZALMPSupport.h>

ZALMP_DEFINE_CLASS(ZALMPSupport, ZALMPEntity);

ZALMPSupport::ZALMPSupport() = default;

ZALMPSupport::ZALMPSupport(const ZALMPSupport& source) : ZALMPEntity(source) {}

ZALMPSupport::~ZALMPSupport() = default;
