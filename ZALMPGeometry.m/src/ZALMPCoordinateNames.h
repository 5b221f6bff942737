#pragma once
#include <array>

/// Element ids of the numbers under a geometry's "Coordinates", three per
/// point or vector.
namespace ZALMPCoordinateNames {
using Triple = std::array<const wchar_t*, 3>;

inline constexpr Triple kOrigin = {L"Ox", L"Oy", L"Oz"};
inline constexpr Triple kCentre = {L"Cx", L"Cy", L"Cz"};
/// A line's direction, an axis, a circle's normal or a conic's major direction.
inline constexpr Triple kDirection = {L"Dx", L"Dy", L"Dz"};
inline constexpr Triple kNormal = {L"Nx", L"Ny", L"Nz"};
inline constexpr Triple kFirstDirection = {L"D1x", L"D1y", L"D1z"};
inline constexpr Triple kSecondDirection = {L"D2x", L"D2y", L"D2z"};
inline constexpr Triple kThirdDirection = {L"D3x", L"D3y", L"D3z"};

inline constexpr const wchar_t* kRadius = L"radius";
inline constexpr const wchar_t* kAngle = L"angle";
inline constexpr const wchar_t* kMajorRadius = L"major_radius";
inline constexpr const wchar_t* kMinorRadius = L"minor_radius";
inline constexpr const wchar_t* kCurvature = L"curvature";
}  // namespace ZALMPCoordinateNames
