#include "ZALStackTrace.h"

ZALBasicStackTrace ZALStackTrace::GetTrace()
{
  return ZALBasicStackTrace::Capture();
}
