#pragma once
#include "ZALITRVObject.h"
#include "ZALTRVSurface.h"

#include <ZALBaseUnknownRef.h>

#include <string>

/// A named face of a solid, lying on a surface. The face holds one reference
/// on its surface; it is written with the surface inside it, so a surface
/// shared by two faces reads back as two equal surfaces.
class ZALTRVFace : public ZALITRVObject {
public:
  /// Null when `surface` is null.
  static ZALBaseUnknownRef<ZALTRVFace> Create(std::string name, ZALTRVSurface* surface);
  /// Reads what Write wrote; null when the name or the surface cannot be read.
  static ZALBaseUnknownRef<ZALITRVObject> Read(ZALMathStream& stream);

  const std::string& GetName() const { return m_name; }
  /// The surface; no reference is taken for the caller.
  ZALTRVSurface* GetSurface() const { return m_surface.get(); }

  ZALTRVType GetType() const override { return ZALTRVType::Face; }
  void Write(ZALMathStream& stream) const override;
  bool IsEqual(const ZALITRVObject& other) const override;

private:
  ZALTRVFace(std::string name, ZALTRVSurface* surface);
  ~ZALTRVFace() override = default;

  std::string m_name;
  ZALBaseUnknownRef<ZALTRVSurface> m_surface;
};
