#pragma once
#include "ZAL3DColour.h"

#include <ZALMathTransformation.h>
#include <ZALStatus.h>

#include <cstdint>

class ZAL3DBagRep;
class ZALMathStream;

/// The kind of each scene-graph node, as written in its buffers.
enum class ZAL3DRepType : std::uint32_t { Bag = 1, Box = 2, Cylinder = 3, Sphere = 4, Mesh = 5 };

/// A node of the scene graph that a viewer draws: a placement relative to
/// its bag, a colour, and what its kind adds.
///
/// Ownership: a node made by a CreateRep (or read by ZALReadVgr) belongs to
/// its maker until it is added to a bag; from then on it belongs to that bag,
/// until it is removed from it. Dispose is the one way to end a node: it
/// takes the node out of its bag, if any, and destroys it with everything
/// under it. A bag disposes of its children when it is disposed of.
class ZAL3DRep {
public:
  /// Lets a std::unique_ptr own a node.
  struct Disposer {
    void operator()(ZAL3DRep* rep) const { rep->Dispose(); }
  };

  ZAL3DRep(const ZAL3DRep&) = delete;
  ZAL3DRep& operator=(const ZAL3DRep&) = delete;

  /// Takes the node out of its bag and destroys it and its children; the
  /// pointer is not to be used again.
  void Dispose();
  /// The bag that owns the node, or null.
  ZAL3DBagRep* GetParent() const { return m_parent; }

  /// S_OK. E_FAIL: a coefficient is not finite; the placement is unchanged.
  HRESULT SetPlacement(const ZALMathTransformation& placement);
  const ZALMathTransformation& GetPlacement() const { return m_placement; }
  void SetColour(const ZAL3DColour& colour) { m_colour = colour; }
  const ZAL3DColour& GetColour() const { return m_colour; }

  virtual ZAL3DRepType GetType() const = 0;
  /// Writes what the kind adds (sizes, a URI; nothing for a bag, whose
  /// children the scene-graph writer writes).
  virtual void WriteShape(ZALMathStream& stream) const = 0;

  /// True when `other` is of the same kind with the same placement, colour
  /// and numbers, and, for a bag, equal children in the same order.
  bool IsEqual(const ZAL3DRep& other) const;

protected:
  ZAL3DRep() = default;
  virtual ~ZAL3DRep();

  /// The kind's own part of IsEqual; `other` is of the same kind.
  virtual bool IsSameShape(const ZAL3DRep& other) const = 0;
  /// True for a finite positive length.
  static bool IsSize(double value);

private:
  friend class ZAL3DBagRep;  // keeps m_parent

  ZAL3DBagRep* m_parent = nullptr;
  ZALMathTransformation m_placement;
  ZAL3DColour m_colour;
};
