#pragma once
#include "ZAL3DColour.h"

#include <ZALStatus.h>

#include <vector>

class ZAL3DRep;

// Byte buffers of a scene-graph tree. A buffer starts with a header (a mark,
// the format version, the settings and flag it was written with, and the
// length and CRC-32 of the rest), then holds the tree, each node a record:
// its kind, what the settings ask for (placement, colour), what its kind adds
// and, for a bag, the number of its children and their records. A reader
// refuses any buffer that is cut, changed or not of this format.

/// Settings bit: placements are written (otherwise they read back as the identity).
inline constexpr int kZAL3DWritePlacements = 1;
/// Settings bit: colours are written (otherwise they read back as the default).
inline constexpr int kZAL3DWriteColours = 2;

/// Writes the tree under `node` (the node itself, then its children) into
/// `buffer`, which the caller owns; `length` is its size. The settings say
/// what is written (the bits above; the others are kept in the header but
/// change nothing); with `colourMap`, a colour that is a key of the map is
/// written as the colour it maps to. `flag` is kept in the header for the
/// reader (ZALReadVgrSettings). S_OK. E_FAIL: a null node or a tree nested
/// deeper than a reader accepts (ZALMathStream::kMaxRecordDepth); `buffer`
/// is empty and `length` 0.
HRESULT ZALWriteVgr(const ZAL3DRep* node, std::vector<unsigned char>& buffer, int& length, int settings,
                    const ZAL3DColourMap* colourMap, int flag);

/// ZALWriteVgr for the scene graph alone, without its appearance: the colour
/// bit of `settings` is cleared, so every node reads back with the default
/// colour; no colour map, flag 0.
HRESULT ZALWriteSceneGraph(const ZAL3DRep* node, std::vector<unsigned char>& buffer, int& length, int settings);

/// A new tree read from the `length` bytes at `buffer`, owned by the caller
/// (ZAL3DRep::Dispose ends it); null for a buffer that is not a whole,
/// undamaged tree of this format.
ZAL3DRep* ZALReadVgr(const unsigned char* buffer, int length);

/// The settings and flag that a buffer was written with. S_OK. E_FAIL, both 0:
/// a buffer that is not whole and undamaged.
HRESULT ZALReadVgrSettings(const unsigned char* buffer, int length, int& settings, int& flag);
