#pragma once
#include <ZALMPDeserializer.h>
#include <ZALMPIdentifierMap.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>
#include <ZALMPValue.h>

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

/// One value-backed property of a connector as its element holds it: a value
/// reference named `id`, got and set through the owner's handle accessors.
template <class Owner>
struct ZALMPValueField {
  const wchar_t* id;
  HRESULT (Owner::*get)(RVLSharedHandle<ZALMPValue>&) const;
  HRESULT (Owner::*set)(const RVLSharedHandle<ZALMPValue>&);

  /// The reference under `element`; false when the owner has no value (its
  /// getter reports) or it cannot be written (reported).
  bool Write(const Owner& owner, ZALMPSerializer* element) const
  {
    RVLSharedHandle<ZALMPValue> value;
    if (FAILED((owner.*get)(value))) return false;
    return SUCCEEDED(ZALMPSerializationServices::Serialize(element, value, id));
  }
  /// The value the reference names, handed to the setter; false (reported)
  /// when it is missing, unknown to `ids` or refused.
  bool Read(Owner& owner, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const
  {
    RVLSharedHandle<ZALMPValue> value;
    return SUCCEEDED(ZALMPSerializationServices::Deserialize(element, id, ids, value)) &&
           SUCCEEDED((owner.*set)(value));
  }
};
