#include <ZALMPClassIdentity.h>

namespace {

std::vector<const RVLClassInfo*>& Records()
{
  static std::vector<const RVLClassInfo*> records;
  return records;
}

}  // namespace

const std::vector<const RVLClassInfo*>& ZALMPClassRecords::All()
{
  return Records();
}

ZALMPClassRecords::Entry::Entry(const RVLClassInfo& record)
{
  Records().push_back(&record);
}
