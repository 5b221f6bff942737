#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPDeserializer.h>
#include <ZALMPEntity.h>
#include <ZALMPIdentifierMap.h>
#include <ZALMPSerializer.h>
#include <ZALMPSourceLocation.h>

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>

#include <string>
#include <vector>

/// Writing and reading of references between entities: one element per
/// reference, with the referent's "id" and "name". Every class that links
/// other entities writes and reads its links through these, and reports at
/// its own location.
class ZALMPEntityReferences {
public:
  /// Adds element `itemId` under `parent` referring to `target`. A referent
  /// that is no longer alive gives the element without attributes; an
  /// identifier that cannot be had is left out; both are reported.
  /// E_FAIL when the element itself cannot be added (reported).
  static HRESULT Write(ZALMPSerializer* parent, const std::wstring& itemId, const RVLSharedHandle<ZALMPEntity>& target,
                       ZALMPSourceLocation where);

  /// Adds `groupId` holding one `itemId` reference per link, in order; nothing
  /// for an empty list. Failures are reported and writing goes on.
  template <class T>
  static void WriteGroup(ZALMPSerializer* parent, const std::wstring& groupId, const std::wstring& itemId,
                         const RVLSharedVector<T>& links, ZALMPSourceLocation where)
  {
    if (links.empty()) return;
    ZALMPSerializer* group = nullptr;
    if (FAILED(parent->AddElement(groupId, group)) || !group) {
      Report(where);
      return;
    }
    for (const RVLSharedHandle<T>& link : links) Write(group, itemId, link, where);
  }

  /// The entity that reference element `item` names through its "id": null
  /// when the "id" is missing (reported), unknown or mapped to nothing (silent).
  static RVLSharedHandle<ZALMPEntity> Resolve(const ZALMPDeserializer* item, const ZALMPIdentifierMap& ids,
                                              ZALMPSourceLocation where);

  /// When `groupId` is present under `element`: resolves each `itemId` child in
  /// order, narrows it to T (a referent of another kind raises RVLEInvalidCast)
  /// and hands it to `add`; unknown ids are skipped silently. A group that
  /// cannot be had or holds no item, a missing "id" and a failed `add` are reported.
  template <class T, class Add>
  static void ReadGroup(const ZALMPDeserializer* element, const std::wstring& groupId, const std::wstring& itemId,
                        const ZALMPIdentifierMap& ids, Add add, ZALMPSourceLocation where)
  {
    if (!element->HasElement(groupId)) return;
    ZALMPDeserializer* group = nullptr;
    if (FAILED(element->GetElement(groupId, group)) || !group) {
      Report(where);
      return;
    }
    const std::vector<ZALMPDeserializer*> items = Children(group, itemId);
    if (items.empty()) Report(where);
    for (const ZALMPDeserializer* item : items) {
      const RVLSharedHandle<ZALMPEntity> entity = Resolve(item, ids, where);
      if (!entity) continue;
      if (FAILED(add(RVLSharedHandle<T>(entity)))) Report(where);
    }
  }

private:
  static std::vector<ZALMPDeserializer*> Children(const ZALMPDeserializer* group, const std::wstring& itemId);
  static void Report(ZALMPSourceLocation where) { ZALMPAssertionReport("", where.file, where.line); }
};
