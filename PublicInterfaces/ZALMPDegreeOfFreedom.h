#pragma once

/// True for the index of a joint degree of freedom: 0 to 5 (three
/// translations, then three rotations).
constexpr bool ZALMPIsDegreeOfFreedom(int index)
{
  return static_cast<unsigned>(index) <= 5u;
}
