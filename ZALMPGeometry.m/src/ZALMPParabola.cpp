#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPParabola"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPParabola.h>

ZALMP_DEFINE_KIND(ZALMPParabola, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPParabola::ZALMPParabola() = default;

ZALMPParabola::ZALMPParabola(const ZALMPParabola& source) : ZALMPGeometry(source), m_curvature(source.m_curvature) {}

ZALMPParabola::~ZALMPParabola() = default;

ZALMP_DEFINE_COORDINATES(ZALMPParabola,
                         C::Point(&ZALMPParabola::m_centre, names::kCentre),
                         C::Direction(&ZALMPParabola::m_majorDirection, names::kDirection),
                         C::Direction(&ZALMPParabola::m_normal, names::kNormal),
                         C::Number(&ZALMPParabola::m_curvature, names::kCurvature));
