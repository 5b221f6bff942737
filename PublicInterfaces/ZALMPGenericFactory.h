#pragma once
#include "ZALMPGenericFactoryBase.h"

#include <string>

/// The registration of one concrete class: constructing it files the class's
/// creator (T::create with an empty name) under the given class name.
template <class T>
class ZALMPGenericFactory : public ZALMPGenericFactoryBase {
public:
  explicit ZALMPGenericFactory(const char* className) { Register(className, &CreateEntity); }

private:
  static RVLSharedHandle<ZALMPEntity> CreateEntity() { return T::create(std::wstring()); }
};
