#pragma once
#include "ZALMPExport.h"
#include "ZALMPShape2D.h"

#include <ZALBaseUnknownRef.h>
#include <ZALBody.h>
#include <ZALStatus.h>

/// A planar shape that carries a solid of the geometric modeller, on which it
/// holds one reference.
///
/// It writes "ShapeBody" holding the planar shape part and, with a solid,
/// attribute "stream": the widened Base64 of a modeller stream with a header
/// that holds a list of the one solid. Reading a stream of exactly one solid
/// makes it the shape's; a stream of another number of objects gives S_FALSE
/// and changes nothing; a damaged stream, or one whose one object is no solid,
/// is reported, gives E_FAIL and changes nothing. An element without "stream"
/// reads back as a shape without a solid.
///
/// A copy holds the same solid (one more reference: a modeller object does not
/// change once made).
class ZALMP_EXPORT ZALMPShapeBody : public ZALMPShape2D {
  ZALMP_DECLARE_SERIALIZED_KIND(ZALMPShapeBody, ZALMPShape2D);

public:
  /// Holds `body` with one reference, releasing the one held before. Null
  /// changes nothing. S_OK.
  virtual HRESULT SetBody(ZALBody* body);
  /// The solid, null when there is none (no reference for the caller).
  virtual ZALBody* GetBody() const;

private:
  ZALBaseUnknownRef<ZALBody> m_body;
};
