#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALBaseUnknown_var.h>
#include <ZALStatus.h>

class ZALBaseUnknown;

/// A surface of the geometric modeller, in the coordinates of its body. The
/// geometry holds one reference on it and releases it when it goes.
///
/// It writes "Surface" holding the common part and "SurfaceStream", whose text
/// is the widened Base64 of a modeller stream holding the surface, with the
/// stream's byte count as "length". A geometry without a surface writes an
/// empty stream and reads back without one; a surface that is no modeller
/// object is reported and written as none. Reading takes the first object of
/// the stream as the surface; a damaged stream (cut, changed, not Base64,
/// "length" disagreeing) is reported, the surface stays as it was, and
/// reading gives E_FAIL.
///
/// A copy holds the same surface (one more reference: a modeller object does
/// not change once made); like every geometry it starts with no body and no
/// constraints.
class ZALMP_EXPORT ZALMPSurface : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPSurface);

public:
  /// Holds `surface` (null: none) with one reference, releasing the one held
  /// before; giving the held surface again changes nothing. S_OK.
  virtual HRESULT SetSurface(ZALBaseUnknown* surface);
  /// The surface held, null when there is none (no new reference for the caller). S_OK.
  virtual HRESULT GetSurface(ZALBaseUnknown*& surface) const;

private:
  ZALBaseUnknown_var m_surface;
};
