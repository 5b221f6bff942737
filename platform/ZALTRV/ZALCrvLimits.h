#pragma once
#include <ZALStatus.h>

class ZALCrvParam;

/// The part of a modeller curve between two of its parameters.
class ZALCrvLimits {
public:
  /// The limits are taken as given.
  static constexpr int kNoVerification = 0;
  /// The limits are checked: both parameters were made by a curve with the
  /// same range, low <= high, and both lie in that range, to within
  /// kRangeTolerance times the larger of 1 and the range's largest magnitude
  /// (numbers that went through a text rounded to 1e-12 still pass).
  static constexpr int kVerifyInRange = 1;
  static constexpr double kRangeTolerance = 1e-9;

  /// Limits from `low` to `high`. When the verification fails, or the mode is
  /// neither of the two above, the limits are invalid: they keep both values
  /// but GetExtremities answers E_FAIL.
  ZALCrvLimits(const ZALCrvParam& low, const ZALCrvParam& high, int verificationMode);

  bool IsValid() const { return m_valid; }
  /// The two parameter values. S_OK: valid limits. E_FAIL: limits that failed
  /// their verification; `low` and `high` still hold the values they were given.
  HRESULT GetExtremities(double& low, double& high) const;

private:
  double m_low;
  double m_high;
  bool m_valid;
};
