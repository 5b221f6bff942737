#pragma once

/// A parameter of a modeller curve: a number together with the parameter
/// range of the curve that made it (ZALTRVCurve::CreateParam), so that
/// limits built from it can be checked against that curve.
class ZALCrvParam {
public:
  /// A parameter of no curve, of value 0.
  ZALCrvParam() = default;

  double GetValue() const { return m_value; }
  /// False for a parameter of no curve.
  bool HasCurve() const { return m_hasCurve; }
  /// The parameter range of the curve that made it; 0 and 0 when there is none.
  void GetCurveRange(double& low, double& high) const;

private:
  friend class ZALTRVCurve;
  ZALCrvParam(double value, double rangeLow, double rangeHigh);

  double m_value = 0.0;
  double m_rangeLow = 0.0;
  double m_rangeHigh = 0.0;
  bool m_hasCurve = false;
};
