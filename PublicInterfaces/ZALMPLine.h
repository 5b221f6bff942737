#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathLine.h>
#include <ZALStatus.h>

/// A line: an origin and a direction, kept exactly as set, in the coordinates of its body.
class ZALMP_EXPORT ZALMPLine : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPLine, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPLine);

public:
  ~ZALMPLine() override;

  /// Adds "Line" under `element`: the common part, then "Coordinates" holding "Ox", "Oy", "Oz", "Dx", "Dy", "Dz".
  /// S_OK; E_FAIL (reported): null `element`, an element that cannot be added or a failed common part. A number that
  /// cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Line" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. The origin and the direction are taken as read. S_OK; E_FAIL (reported): null `element`,
  /// no "Line" or "Coordinates", or a failed common part.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain store and copy; S_OK.
  ZALMP_PROPERTY(ZALMathLine, Line, m_line);

protected:
  ZALMPLine();
  /// A copy starts as a new line with the source's name: no body, no constraints, the line at its default.
  ZALMPLine(const ZALMPLine& source);

private:
  ZALMathLine m_line;
};
