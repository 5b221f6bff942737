#pragma once
#include "ZAL3DRep.h"

#include <string>

/// A mesh that a viewer loads from a file, named by its URI. Only the URI
/// is held and written; the file is not opened.
class ZAL3DMeshRep : public ZAL3DRep {
public:
  /// A new mesh node owned by the caller; null for an empty URI.
  static ZAL3DMeshRep* CreateRep(std::string uri);
  /// A mesh node from what WriteShape wrote; null when the bytes make none.
  static ZAL3DRep* ReadShape(ZALMathStream& stream);

  const std::string& GetUri() const { return m_uri; }
  ZAL3DRepType GetType() const override { return ZAL3DRepType::Mesh; }
  void WriteShape(ZALMathStream& stream) const override;

protected:
  bool IsSameShape(const ZAL3DRep& other) const override;

private:
  explicit ZAL3DMeshRep(std::string uri);
  ~ZAL3DMeshRep() override = default;

  std::string m_uri;
};
