#pragma once
#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPWorld;

/// The demo model: a crank-rocker four-bar linkage in the XY plane.
///
/// A fixed ground bar carries the two pivots; the crank turns about the first,
/// the rocker swings about the second, and the coupler joins the crank pin to
/// the rocker pin. Each of the four bodies is a steel bar with a frame (axis
/// system) at its pivot and at its far pin, a point at that pin and a cylinder
/// for its pivot pin, linked to it both ways, and a 3D representation shape,
/// also linked both ways, whose node is a box of the bar's section spanning
/// pivot to pin in the bar's own axes. Four revolute joints hinge the
/// bars at O2, A, B and O4, each realised by a revolute constraint between the
/// frames of its two bars there. The model also holds the crank and rocker
/// angles (each linked to its bearing's constraint) and the crank, coupler and
/// rocker lengths as variables, a linear equation that keeps the rocker 2.6
/// crank lengths long, a few constants of several physical quantities and the
/// rule that ties the coupler length to the crank length as an expression.
/// A linear spring pulls the rocker's middle towards the middle of the ground
/// bar, with a constant stiffness and rest length and a damping that grows
/// with the global time (an expression); the crank carries a parameter group
/// of two values, the mass and angle of its counterweight. A motor turns the
/// crank angle once a second (its position an expression of the global time,
/// bounded by a maximum torque), and a spatial force actuator pushes down on
/// the middle of the coupler. A joint degree-of-freedom sensor measures the
/// crank's turn in its bearing, and a connector spatial force sensor the
/// load the spring passes on. A collision rule lets the coupler strike the
/// ground bar, with steel-on-steel contact parameters.
/// Every value has a physical quantity, which the layouts before R2018.0 need
/// to read it back: the demo saved at any version reads back whole.
class ZALMPDemoMechanism {
public:
  /// Builds the mechanism and files every entity in `world`, which also gets
  /// the gravity of the demo (along -Y). S_OK. E_FAIL: `world` is null, has no
  /// equation factory, or a part could not be made or filed; the world's
  /// registries are then as they were.
  static HRESULT Build(const RVLSharedHandle<ZALMPWorld>& world);
};
