#pragma once
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>

#include <map>
#include <string>
#include <vector>

class ZALMPEntity;

/// The process-wide map from class name to creator, filled at library load.
class ZALMP_EXPORT ZALMPGenericFactoryBase {
public:
  using Creator = RVLSharedHandle<ZALMPEntity> (*)();

  /// The names the factory can make, in byte-wise order.
  static std::vector<std::string> GetRegisteredNames();
  /// What makes entities of `name`, or null when nothing is registered under
  /// it: a reader of many entities of one class looks it up once.
  static Creator FindCreator(const std::string& name);

protected:
  /// Built on first use, so registrations made during load always find it.
  static std::map<std::string, Creator>& GetMap();
  /// A new entity of the class registered under `name`; null when there is none.
  static RVLSharedHandle<ZALMPEntity> CreateInstance(const std::string& name);
  /// Files `creator` under `name`, replacing an earlier registration of that name.
  static void Register(const std::string& name, Creator creator);
};
