#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSourceLocation.h>

#include <cstdint>
#include <string_view>

// The freedoms of a degree-of-freedom sensor as its element holds them: a
// group `groupId` whose attribute "number" counts its `itemId` children.

/// Writes `count` items, each through `writeItem(item writer, index)`.
template <class WriteItem>
void ZALMPWriteDofGroup(const ZALMPFieldWriter& out, std::wstring_view groupId, std::wstring_view itemId, int count,
                        const WriteItem& writeItem)
{
  const ZALMPFieldWriter group = out.Group(groupId);
  group.Attribute(L"number", static_cast<std::int32_t>(count));
  for (int index = 0; index < count; ++index) writeItem(group.Group(itemId), index);
}

/// Reads the items back, each through `readItem(item reader)` (false: refused,
/// reported at `where`). True when at least one item was taken. A missing
/// group or "number" is reported; a number below 1 takes none, unreported. A
/// missing item is reported and ends the group: the items are read in order.
template <class ReadItem>
bool ZALMPReadDofGroup(const ZALMPFieldReader& in, std::wstring_view groupId, std::wstring_view itemId,
                       const ReadItem& readItem, ZALMPSourceLocation where)
{
  const ZALMPFieldReader group = in.Group(groupId);
  std::int32_t number = 0;
  if (!group || !group.Attribute(L"number", number)) return false;
  bool taken = false;
  for (std::int32_t index = 0; index < number; ++index) {
    const ZALMPFieldReader item = group.Group(itemId);
    if (!item) break;
    if (readItem(item))
      taken = true;
    else
      ZALMPAssertionReport("", where.file, where.line);
  }
  return taken;
}
