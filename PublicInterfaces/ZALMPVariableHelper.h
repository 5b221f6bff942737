#pragma once
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPVariable;
class ZALWBFactory;
class ZALWBVariable;

/// Maps a variable entity onto a variable of the equation library.
class ZALMP_EXPORT ZALMPVariableHelper {
public:
  ZALMPVariableHelper() = delete;

  /// The factory's variable named after `variable`'s identifier, made when the
  /// factory has none yet; the factory owns it either way. S_OK. E_FAIL
  /// (reported): an empty or gone variable, no factory, no identifier, or the
  /// factory cannot make it; `result` is then null.
  static HRESULT CreateWBVariable(const RVLSharedHandle<ZALMPVariable>& variable, ZALWBFactory* factory,
                                  ZALWBVariable*& result);
};
