#pragma once
#include <RVLSharedHandle.h>

#include <string>
#include <unordered_map>

class ZALMPEntity;

/// Stored identifier -> entity, built by the model reader before any entity reads
/// its references, so that a reference resolves whatever the order of the file.
/// Hashed: a large model's references are looked up all over it, and a tree of
/// identifiers would cost a cache miss per level on each of them.
using ZALMPIdentifierMap = std::unordered_map<std::wstring, RVLSharedHandle<ZALMPEntity>>;
