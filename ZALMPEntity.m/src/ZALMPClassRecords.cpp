#include <ZALMPClassIdentity.h>

namespace {

std::vector<ZALMPClassRecords::Record>& Records()
{
  static std::vector<ZALMPClassRecords::Record> records;
  return records;
}

}  // namespace

const std::vector<ZALMPClassRecords::Record>& ZALMPClassRecords::All()
{
  return Records();
}

ZALMPClassRecords::Entry::Entry(const RVLClassInfo& classInfo, bool concrete)
{
  Records().push_back({&classInfo, concrete});
}
