#pragma once
#include "ZALITRVObject.h"
#include "ZALTRVFace.h"

#include <ZALBaseUnknownRef.h>
#include <ZALStatus.h>

#include <string>
#include <vector>

/// A solid of the modeller: a name and its faces, in order. The body holds
/// one reference on each face and is written with its faces inside it.
class ZALBody : public ZALITRVObject {
public:
  /// A body without faces.
  static ZALBaseUnknownRef<ZALBody> Create(std::string name);
  /// Reads what Write wrote; null when the name or a face cannot be read.
  static ZALBaseUnknownRef<ZALITRVObject> Read(ZALMathStream& stream);

  const std::string& GetName() const { return m_name; }
  /// Appends `face` and takes a reference on it. S_OK. S_FALSE: the body has
  /// it already. E_FAIL: `face` is null. Nothing changes unless S_OK.
  HRESULT AddFace(ZALTRVFace* face);
  int GetFaceCount() const { return static_cast<int>(m_faces.size()); }
  /// The face at `index` (no reference for the caller); null outside 0 to GetFaceCount() - 1.
  ZALTRVFace* GetFace(int index) const;

  ZALTRVType GetType() const override { return ZALTRVType::Body; }
  void Write(ZALMathStream& stream) const override;
  bool IsEqual(const ZALITRVObject& other) const override;

private:
  explicit ZALBody(std::string name);
  ~ZALBody() override = default;

  std::string m_name;
  std::vector<ZALBaseUnknownRef<ZALTRVFace>> m_faces;
};
