#pragma once
#include <ZALBaseUnknown.h>

#include <cstdint>

class ZALMathStream;

/// The type tag of each kind of modeller object, as written in its streams.
enum class ZALTRVType : std::uint32_t { Line = 1, Arc = 2, Plane = 3, Cylinder = 4, Face = 5, Body = 6 };

/// An object of the geometric modeller. Counted like every design object: a
/// new object comes in a ZALBaseUnknownRef that holds its first reference,
/// and it goes when the last reference is released. Objects are immutable
/// once made, except that a body gains faces. ZALITRVObjectsLoad reads them back.
class ZALITRVObject : public ZALBaseUnknown {
public:
  virtual ZALTRVType GetType() const = 0;
  /// Writes the object's content (without its type tag and length), from
  /// which the reader of its type makes an equal object.
  virtual void Write(ZALMathStream& stream) const = 0;
  /// True when `other` is of the same type with equal numbers and texts,
  /// sub-objects compared the same way (not by identity).
  virtual bool IsEqual(const ZALITRVObject& other) const = 0;

protected:
  ~ZALITRVObject() override = default;
};
