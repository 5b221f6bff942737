#pragma once
#include "ZALMPNameTable.h"

/// The physical quantity of a value or variable. NoPhysicalQuantity means
/// "not set". The numbers are part of the stored format.
#define ZALMP_PHYSICAL_QUANTITY_MEMBERS(Entry) Entry(NoPhysicalQuantity, 0) Entry(Length, 1) Entry(Mass, 2) \
  Entry(Time, 3) Entry(ElectricCharge, 4) Entry(LuminousIntensity, 5) Entry(Temperature, 6) Entry(Angle, 7) \
  Entry(Area, 8) Entry(Volume, 9) Entry(Velocity, 10) Entry(AngularVelocity, 11) Entry(Acceleration, 12) \
  Entry(AngularAcceleration, 13) Entry(Force, 14) Entry(Energy, 15) Entry(Torque, 16) Entry(Power, 17) \
  Entry(Density, 18) Entry(Pressure, 19) Entry(Momentum, 20) Entry(Inertia, 21) Entry(LuminousFlux, 22) \
  Entry(Illumination, 23) Entry(Entropy, 24) Entry(VolumeRateOfFlow, 25) Entry(KinematicViscosity, 26) \
  Entry(DynamicViscosity, 27) Entry(SpecificWeight, 28) Entry(LinearStiffness, 29) Entry(AngularStiffness, 30) \
  Entry(LinearDamping, 31) Entry(AngularDamping, 32)
ZALMP_NAMED_ENUMERATION(ZALMPPhysicalQuantity, ZALMP_PHYSICAL_QUANTITY_MEMBERS);
