#pragma once
#include "ZALMPNameTable.h"

/// What a field of an entity holds, as a host reads and writes it: a number, an
/// integer, a boolean, a text, a point, vector, 3x3 matrix or placement in space,
/// their planar twins, an enumeration member by name, an axis system, a line or
/// a plane in space, or a planar line.
#define ZALMP_FIELD_TYPE_MEMBERS(Entry)                                                                     \
  Entry(Number, 0) Entry(Integer, 1) Entry(Boolean, 2) Entry(Text, 3) Entry(Point, 4) Entry(Vector, 5)      \
      Entry(Matrix, 6) Entry(Placement, 7) Entry(Point2D, 8) Entry(Vector2D, 9) Entry(Matrix2D, 10)         \
          Entry(Placement2D, 11) Entry(Enumeration, 12) Entry(Axis, 13) Entry(Line, 14) Entry(Plane, 15)  \
              Entry(Line2D, 16)
ZALMP_NAMED_ENUMERATION(ZALMPFieldType, ZALMP_FIELD_TYPE_MEMBERS);
