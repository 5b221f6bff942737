#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

/// A curve that is a circle or, at curvature 0, a line: a centre, a major direction, the normal of its plane and a
/// curvature. Its numbers are in the coordinates of its body and are kept exactly as set.
class ZALMP_EXPORT ZALMPCirline : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPCirline, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPCirline);

public:
  ~ZALMPCirline() override;

  /// Adds "Cirline" under `element`: the common part, then "Coordinates" holding "Cx", "Cy", "Cz", "Dx", "Dy", "Dz",
  /// "Nx", "Ny", "Nz", "curvature". S_OK; E_FAIL (reported): null `element`, an element that cannot be added or a
  /// failed common part. A number that cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Cirline" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. Each direction is made a unit vector ((1, 0, 0) for the zero vector). S_OK; E_FAIL
  /// (reported): null `element`, no "Cirline" or "Coordinates", or a failed common part. What was read before a
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
  virtual HRESULT SetCurvature(double curvature);
  virtual HRESULT GetCurvature(double& curvature) const;

protected:
  ZALMPCirline();
  /// A copy carries the curvature; its points and directions start as for a new cirline, with no body and no
  /// constraints.
  ZALMPCirline(const ZALMPCirline& source);

private:
  ZALMathPoint m_centre;
  ZALMathVector m_majorDirection{1.0, 0.0, 0.0};
  ZALMathVector m_normal{1.0, 0.0, 0.0};
  double m_curvature = 0.0;
};
