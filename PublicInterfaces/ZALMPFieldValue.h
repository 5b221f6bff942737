#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

/// The value of one field, whatever its type: a number, an integer, a boolean,
/// a text (also an enumeration member's name) or the coordinates of a
/// geometric value in row order: a point or vector (3, planar 2), a matrix
/// (3x3, planar 2x2), a placement as its homogeneous matrix (4x4, planar 3x3),
/// an axis system as its origin and three directions (4x3), a line as its
/// origin and direction (2x3, planar 2x2) and a plane as its origin and normal (2x3).
using ZALMPFieldValue = std::variant<double, std::int32_t, bool, std::wstring, std::vector<double>>;
