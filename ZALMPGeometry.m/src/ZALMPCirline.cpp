#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCirline"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPCirline.h>

ZALMP_DEFINE_KIND(ZALMPCirline, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCirline::ZALMPCirline() = default;

ZALMPCirline::ZALMPCirline(const ZALMPCirline& source) : ZALMPGeometry(source), m_curvature(source.m_curvature) {}

ZALMPCirline::~ZALMPCirline() = default;

ZALMP_DEFINE_COORDINATES(ZALMPCirline,
                         C::Point(&ZALMPCirline::m_centre, names::kCentre),
                         C::Direction(&ZALMPCirline::m_majorDirection, names::kDirection),
                         C::Direction(&ZALMPCirline::m_normal, names::kNormal),
                         C::Number(&ZALMPCirline::m_curvature, names::kCurvature));
