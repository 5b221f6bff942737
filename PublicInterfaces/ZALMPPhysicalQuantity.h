#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// The physical quantity of a value or variable. NoPhysicalQuantity means
/// "not set". The numbers are part of the stored format.
class ZALMPPhysicalQuantity {
public:
  enum Enum : std::int32_t {
    NoPhysicalQuantity = 0,
    Length = 1,
    Mass = 2,
    Time = 3,
    ElectricCharge = 4,
    LuminousIntensity = 5,
    Temperature = 6,
    Angle = 7,
    Area = 8,
    Volume = 9,
    Velocity = 10,
    AngularVelocity = 11,
    Acceleration = 12,
    AngularAcceleration = 13,
    Force = 14,
    Energy = 15,
    Torque = 16,
    Power = 17,
    Density = 18,
    Pressure = 19,
    Momentum = 20,
    Inertia = 21,
    LuminousFlux = 22,
    Illumination = 23,
    Entropy = 24,
    VolumeRateOfFlow = 25,
    KinematicViscosity = 26,
    DynamicViscosity = 27,
    SpecificWeight = 28,
    LinearStiffness = 29,
    AngularStiffness = 30,
    LinearDamping = 31,
    AngularDamping = 32,
  };

  /// The stored names; "NoPhysicalQuantity" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 33> kNames{{
      {L"NoPhysicalQuantity", NoPhysicalQuantity},
      {L"Length", Length},
      {L"Mass", Mass},
      {L"Time", Time},
      {L"ElectricCharge", ElectricCharge},
      {L"LuminousIntensity", LuminousIntensity},
      {L"Temperature", Temperature},
      {L"Angle", Angle},
      {L"Area", Area},
      {L"Volume", Volume},
      {L"Velocity", Velocity},
      {L"AngularVelocity", AngularVelocity},
      {L"Acceleration", Acceleration},
      {L"AngularAcceleration", AngularAcceleration},
      {L"Force", Force},
      {L"Energy", Energy},
      {L"Torque", Torque},
      {L"Power", Power},
      {L"Density", Density},
      {L"Pressure", Pressure},
      {L"Momentum", Momentum},
      {L"Inertia", Inertia},
      {L"LuminousFlux", LuminousFlux},
      {L"Illumination", Illumination},
      {L"Entropy", Entropy},
      {L"VolumeRateOfFlow", VolumeRateOfFlow},
      {L"KinematicViscosity", KinematicViscosity},
      {L"DynamicViscosity", DynamicViscosity},
      {L"SpecificWeight", SpecificWeight},
      {L"LinearStiffness", LinearStiffness},
      {L"AngularStiffness", AngularStiffness},
      {L"LinearDamping", LinearDamping},
      {L"AngularDamping", AngularDamping},
  }};

  /// The stored name of `quantity` ("NoPhysicalQuantity" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum quantity) { return kNames.NameOf(quantity); }
  /// The quantity named `name` exactly; NoPhysicalQuantity for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
