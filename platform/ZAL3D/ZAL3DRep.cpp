#include "ZAL3DRep.h"

#include "ZAL3DBagRep.h"

#include <cmath>

ZAL3DRep::~ZAL3DRep() = default;

void ZAL3DRep::Dispose()
{
  if (m_parent) m_parent->RemoveChild(this);
  delete this;
}

HRESULT ZAL3DRep::SetPlacement(const ZALMathTransformation& placement)
{
  double coefficients[12] = {};
  placement.GetCoef(coefficients);
  for (const double c : coefficients)
    if (!std::isfinite(c)) return E_FAIL;
  m_placement = placement;
  return S_OK;
}

bool ZAL3DRep::IsEqual(const ZAL3DRep& other) const
{
  return GetType() == other.GetType() && m_placement == other.m_placement && m_colour == other.m_colour &&
         IsSameShape(other);
}

bool ZAL3DRep::IsSize(double value)
{
  return std::isfinite(value) && value > 0.0;
}
