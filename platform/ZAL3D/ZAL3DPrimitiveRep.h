#pragma once
#include "ZAL3DRep.h"

#include <ZALMathStream.h>

#include <algorithm>
#include <array>

/// A solid primitive that a few lengths describe (a box by three sizes, a
/// cylinder by radius and height, a sphere by radius): each finite and positive.
template <int N>
class ZAL3DPrimitiveRep : public ZAL3DRep {
public:
  using Lengths = std::array<double, N>;

  const Lengths& GetLengths() const { return m_lengths; }
  void WriteShape(ZALMathStream& stream) const override
  {
    for (const double length : m_lengths) stream.WriteDouble(length);
  }

protected:
  explicit ZAL3DPrimitiveRep(const Lengths& lengths) : m_lengths(lengths) {}
  ~ZAL3DPrimitiveRep() override = default;

  static bool AreLengths(const Lengths& lengths) { return std::all_of(lengths.begin(), lengths.end(), &IsSize); }
  /// Reads what WriteShape wrote; the stream tells whether the bytes were there.
  static Lengths ReadLengths(ZALMathStream& stream)
  {
    Lengths lengths{};
    for (double& length : lengths) length = stream.ReadDouble();
    return lengths;
  }
  bool IsSameShape(const ZAL3DRep& other) const override
  {
    return m_lengths == static_cast<const ZAL3DPrimitiveRep&>(other).m_lengths;
  }

private:
  Lengths m_lengths;
};
