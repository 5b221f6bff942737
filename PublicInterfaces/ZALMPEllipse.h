#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

/// An ellipse: a centre, the direction of its major axis, the normal of its plane, a major and a minor radius. Its
/// numbers are in the coordinates of its body and are kept exactly as set.
class ZALMP_EXPORT ZALMPEllipse : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPEllipse, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPEllipse);

public:
  ~ZALMPEllipse() override;

  /// Adds "Ellipse" under `element`: the common part, then "Coordinates" holding "Cx", "Cy", "Cz", "Dx", "Dy", "Dz",
  /// "Nx", "Ny", "Nz", "major_radius", "minor_radius". S_OK; E_FAIL (reported): null `element`, an element that
  /// cannot be added or a failed common part. A number that cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Ellipse" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. Each direction is made a unit vector ((1, 0, 0) for the zero vector). S_OK; E_FAIL
  /// (reported): null `element`, no "Ellipse" or "Coordinates", or a failed common part. What was read before a
  /// failure stays set.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  virtual HRESULT SetCenter(const ZALMathPoint& center);
  virtual HRESULT GetCenter(ZALMathPoint& center) const;
  virtual HRESULT SetMajorDirection(const ZALMathVector& majorDirection);
  virtual HRESULT GetMajorDirection(ZALMathVector& majorDirection) const;
  virtual HRESULT SetNormal(const ZALMathVector& normal);
  virtual HRESULT GetNormal(ZALMathVector& normal) const;
  virtual HRESULT SetMajorRadius(double majorRadius);
  virtual HRESULT GetMajorRadius(double& majorRadius) const;
  virtual HRESULT SetMinorRadius(double minorRadius);
  virtual HRESULT GetMinorRadius(double& minorRadius) const;

protected:
  ZALMPEllipse();
  /// A copy carries the major radius and the minor radius; its points and directions start as for a new ellipse, with
  /// no body and no constraints.
  ZALMPEllipse(const ZALMPEllipse& source);

private:
  ZALMathPoint m_centre;
  ZALMathVector m_majorDirection{1.0, 0.0, 0.0};
  ZALMathVector m_normal{1.0, 0.0, 0.0};
  double m_majorRadius = 0.0;
  double m_minorRadius = 0.0;
};
