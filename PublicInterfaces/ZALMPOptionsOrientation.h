#pragma once

/// Orientation options of a constraint's current value; filled by the host's
/// constraint loader, never touched by the constraint itself.
struct ZALMPOptionsOrientation {
  bool reversed = false;
  int firstAxis = 0;
  int secondAxis = 0;
};
