#pragma once
#include <ZALMPFieldWriter.h>

#include <string_view>

/// Element ids of the numbers under a geometry's "Coordinates", three per
/// point or vector in space.
namespace ZALMPCoordinateNames {
inline constexpr ZALMPTripleIds kOrigin = {L"Ox", L"Oy", L"Oz"};
inline constexpr ZALMPTripleIds kCentre = {L"Cx", L"Cy", L"Cz"};
/// A line's direction, an axis, a circle's normal or a conic's major direction.
inline constexpr ZALMPTripleIds kDirection = {L"Dx", L"Dy", L"Dz"};
inline constexpr ZALMPTripleIds kNormal = {L"Nx", L"Ny", L"Nz"};
inline constexpr ZALMPTripleIds kFirstDirection = {L"D1x", L"D1y", L"D1z"};
inline constexpr ZALMPTripleIds kSecondDirection = {L"D2x", L"D2y", L"D2z"};
inline constexpr ZALMPTripleIds kThirdDirection = {L"D3x", L"D3y", L"D3z"};

/// Their planar twins: two numbers per point or vector.
inline constexpr ZALMPPairIds kOrigin2D = {L"Ox", L"Oy"};
inline constexpr ZALMPPairIds kCentre2D = {L"Cx", L"Cy"};
inline constexpr ZALMPPairIds kDirection2D = {L"Dx", L"Dy"};

inline constexpr std::wstring_view kRadius = L"radius";
inline constexpr std::wstring_view kAngle = L"angle";
inline constexpr std::wstring_view kMajorRadius = L"major_radius";
inline constexpr std::wstring_view kMinorRadius = L"minor_radius";
inline constexpr std::wstring_view kCurvature = L"curvature";
}  // namespace ZALMPCoordinateNames
