#pragma once
#include <RVLSharedHandle.h>

#include <map>
#include <string>

class ZALMPEntity;

/// Stored identifier -> entity, built by the model reader before any entity reads
/// its references, so that a reference resolves whatever the order of the file.
using ZALMPIdentifierMap = std::map<std::wstring, RVLSharedHandle<ZALMPEntity>>;
