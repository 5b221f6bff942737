#pragma once
#include <compare>
#include <map>

/// The colour of a scene-graph node: red, green, blue and opacity, each 0 to
/// 255. Opaque white by default.
struct ZAL3DColour {
  unsigned char red = 255;
  unsigned char green = 255;
  unsigned char blue = 255;
  unsigned char alpha = 255;

  friend auto operator<=>(const ZAL3DColour&, const ZAL3DColour&) = default;
};

/// Colours to write in place of others: a node whose colour is a key is
/// written with the mapped colour.
using ZAL3DColourMap = std::map<ZAL3DColour, ZAL3DColour>;
