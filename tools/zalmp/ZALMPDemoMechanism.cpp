#include "ZALMPDemoMechanism.h"

#include <ZALMP3DRep.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPCollisionRule.h>
#include <ZALMPConnectorSpatialForceSensor.h>
#include <ZALMPConstant.h>
#include <ZALMPCylinder.h>
#include <ZALMPEntitiesServices.h>
#include <ZALMPExpression.h>
#include <ZALMPJointDOFSensor.h>
#include <ZALMPLinearEquation.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPMotor.h>
#include <ZALMPParameter.h>
#include <ZALMPPoint.h>
#include <ZALMPRevolute.h>
#include <ZALMPRevoluteConstraint.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSpatialForceActuator.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <ZAL3DBoxRep.h>
#include <ZALWBFactory.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathAxis.h>
#include <ZALMathTransformation.h>

#include <cmath>
#include <array>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

// The assembled pose, in metres, in the ground's XY plane: the crank turns
// about O2, the rocker about O4, and the coupler joins the crank pin A to the
// rocker pin B. Crank 0.1, coupler 0.3, rocker 0.26, ground 0.3: the shortest
// link plus the longest is less than the other two, so the crank turns fully.
constexpr ZALMathPoint kCrankPivot(0.0, 0.0, 0.0);   // O2
constexpr ZALMathPoint kRockerPivot(0.3, 0.0, 0.0);  // O4
constexpr ZALMathPoint kCrankPin(0.06, 0.08, 0.0);   // A
constexpr ZALMathPoint kRockerPin(0.3, 0.26, 0.0);   // B

// Every link is a steel bar of one section; mass and inertia follow from its length.
constexpr double kSteelDensity = 7850.0;  // kg/m3
constexpr double kBarWidth = 0.02;
constexpr double kBarThickness = 0.01;
constexpr double kPinRadius = 0.005;
constexpr double kCrankSpeed = 2.0 * std::numbers::pi;  // rad/s: one turn a second
constexpr double kGravity = 9.81;                       // m/s2

// How a bar moves: held, turned at a known speed, or carried by the others.
enum class Motion { Fixed, Driven, Follower };

// One bar of the linkage: its body runs from `pivot` to `pin`, with a frame
// at each end for the hinges there.
struct LinkPlan {
  const wchar_t* body;
  ZALMathPoint pivot;
  ZALMathPoint pin;
  const wchar_t* frame;
  const wchar_t* pinFrame;
  const wchar_t* pinPoint;
  const wchar_t* pivotPin;
  Motion motion;
};

enum Bar { Ground, Crank, Coupler, Rocker, BarCount };

constexpr std::array<LinkPlan, BarCount> kLinks = {{
    {L"Ground", kCrankPivot, kRockerPivot, L"GroundFrame", L"GroundPinFrame", L"RockerPivot", L"CrankBearing",
     Motion::Fixed},
    {L"Crank", kCrankPivot, kCrankPin, L"CrankFrame", L"CrankPinFrame", L"CrankPin", L"CrankShaft", Motion::Driven},
    {L"Coupler", kCrankPin, kRockerPin, L"CouplerFrame", L"CouplerPinFrame", L"CouplerPin", L"CouplerBore",
     Motion::Follower},
    {L"Rocker", kRockerPivot, kRockerPin, L"RockerFrame", L"RockerPinFrame", L"RockerPin", L"RockerShaft",
     Motion::Follower},
}};

// Which end of a bar a hinge takes.
enum class End { Pivot, Pin };

// A hinge between two bars: a revolute joint whose constraint keeps the Z
// axes of one frame on each bar together. The first bar is the joint's Out body.
struct HingePlan {
  const wchar_t* joint;
  const wchar_t* constraint;
  Bar out;
  End outEnd;
  Bar in;
  End inEnd;
};

constexpr HingePlan kHinges[] = {
    {L"MainBearing", L"MainBearingAxis", Ground, End::Pivot, Crank, End::Pivot},       // O2
    {L"CrankPinHinge", L"CrankPinAxis", Crank, End::Pin, Coupler, End::Pivot},         // A
    {L"RockerPinHinge", L"RockerPinAxis", Coupler, End::Pin, Rocker, End::Pin},        // B
    {L"RockerBearing", L"RockerBearingAxis", Ground, End::Pin, Rocker, End::Pivot},    // O4
};

double BarMass(double length)
{
  return kSteelDensity * length * kBarWidth * kBarThickness;
}

// What Build makes, in filing order. Nothing is in the world until every part exists.
struct Parts {
  std::vector<RVLSharedHandle<ZALMPBody>> bodies;
  std::vector<RVLSharedHandle<ZALMPGeometry>> geometries;
  std::vector<RVLSharedHandle<ZALMPJoint>> joints;
  std::vector<RVLSharedHandle<ZALMPConstraint>> constraints;
  std::vector<RVLSharedHandle<ZALMPVariable>> variables;
  std::vector<RVLSharedHandle<ZALMPValue>> values;
  std::vector<RVLSharedHandle<ZALMPShape>> shapes;
  std::vector<RVLSharedHandle<ZALMPConnector>> connectors;
  std::vector<RVLSharedHandle<ZALMPAttribute>> attributes;
  std::vector<RVLSharedHandle<ZALMPActuator>> actuators;
  std::vector<RVLSharedHandle<ZALMPSensor>> sensors;
  std::vector<RVLSharedHandle<ZALMPInteraction>> interactions;
  // The frames at each bar's pivot and pin, for the hinges.
  std::array<std::array<RVLSharedHandle<ZALMPAxisSystem>, 2>, BarCount> ends;

  // Parts that were never filed still hold each other (every link here goes
  // both ways), so they are orphaned to break those cycles.
  void Discard()
  {
    const auto orphanAll = [](const auto& entities) {
      for (const auto& entity : entities) entity->orphanObject();
    };
    orphanAll(bodies);
    orphanAll(geometries);
    orphanAll(joints);
    orphanAll(constraints);
    orphanAll(variables);
    orphanAll(values);
    orphanAll(shapes);
    orphanAll(connectors);
    orphanAll(attributes);
    orphanAll(actuators);
    orphanAll(sensors);
    orphanAll(interactions);
  }
};

// A body of the bar's mass and inertia placed with its X axis from pivot to pin.
RVLSharedHandle<ZALMPBody> MakeBar(const LinkPlan& plan)
{
  const ZALMathVector along = plan.pin - plan.pivot;
  const double length = along.Norm();
  const ZALMathVector x(along.GetX() / length, along.GetY() / length, 0.0);
  const ZALMathVector y(-x.GetY(), x.GetX(), 0.0);
  const ZALMathVector z(0.0, 0.0, 1.0);

  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(plan.body);
  body->SetPosition(ZALMathTransformation(ZALMath3x3Matrix(x, y, z), plan.pivot - ZALMathPoint()), 0);

  // A solid box bar about its centre, in its own axes.
  const double mass = BarMass(length);
  const double w2 = kBarWidth * kBarWidth;
  const double t2 = kBarThickness * kBarThickness;
  const double l2 = length * length;
  body->SetMass(mass);
  body->SetCenterOfGravity(ZALMathPoint(length / 2.0, 0.0, 0.0));
  body->SetInertiaMatrix(ZALMath3x3Matrix(ZALMathVector(mass * (w2 + t2) / 12.0, 0.0, 0.0),
                                          ZALMathVector(0.0, mass * (l2 + t2) / 12.0, 0.0),
                                          ZALMathVector(0.0, 0.0, mass * (l2 + w2) / 12.0)));
  if (plan.motion == Motion::Fixed) body->Fix();
  if (plan.motion == Motion::Driven) body->SetVelocity(ZALMathVector(), ZALMathVector(0.0, 0.0, kCrankSpeed));
  return body;
}

// Attaches `geometry` to `body`, on both sides as the links require.
void Attach(Parts& parts, const RVLSharedHandle<ZALMPBody>& body, const RVLSharedHandle<ZALMPGeometry>& geometry)
{
  geometry->SetBody(body);
  body->AddGeometry(geometry);
  parts.geometries.push_back(geometry);
}

// One bar: its body, a frame at its pivot and one at its far pin, a point at
// that pin and the cylinder of its pivot pin, all in the bar's own coordinates.
void MakeLink(Parts& parts, Bar bar)
{
  const LinkPlan& plan = kLinks[bar];
  const RVLSharedHandle<ZALMPBody> body = MakeBar(plan);
  parts.bodies.push_back(body);
  const ZALMathPoint pinAt((plan.pin - plan.pivot).Norm(), 0.0, 0.0);

  const RVLSharedHandle<ZALMPAxisSystem> frame = ZALMPAxisSystem::create(plan.frame);
  frame->SetAxisSystem(ZALMathAxis());
  Attach(parts, body, frame);
  const RVLSharedHandle<ZALMPAxisSystem> pinFrame = ZALMPAxisSystem::create(plan.pinFrame);
  pinFrame->SetAxisSystem(ZALMathAxis(pinAt, ZALMathVector(1.0, 0.0, 0.0), ZALMathVector(0.0, 1.0, 0.0),
                                      ZALMathVector(0.0, 0.0, 1.0)));
  Attach(parts, body, pinFrame);
  parts.ends[bar] = {frame, pinFrame};

  const RVLSharedHandle<ZALMPPoint> pin = ZALMPPoint::create(plan.pinPoint);
  pin->SetPoint(pinAt);
  Attach(parts, body, pin);

  const RVLSharedHandle<ZALMPCylinder> pivotPin = ZALMPCylinder::create(plan.pivotPin);
  pivotPin->SetOrigin(ZALMathPoint());
  pivotPin->SetAxis(ZALMathVector(0.0, 0.0, 1.0));
  pivotPin->SetRadius(kPinRadius);
  Attach(parts, body, pivotPin);

  // What a viewer draws of the bar: a box of its section spanning pivot to
  // pin in the bar's own axes. The ground is drawn as a bar too, so every
  // body looks alike.
  const RVLSharedHandle<ZALMP3DRep> look = ZALMP3DRep::create(std::wstring(plan.body) + L"Look");
  ZAL3DBoxRep* const box = ZAL3DBoxRep::CreateRep(pinAt.GetX(), kBarWidth, kBarThickness);
  box->SetPlacement(ZALMathTransformation(ZALMath3x3Matrix(), ZALMathVector(pinAt.GetX() / 2.0, 0.0, 0.0)));
  look->Set3DRep(box);
  look->LinkToBody(body);
  body->LinkToShape(look);
  parts.shapes.push_back(look);
}

// Each hinge: the joint between its two bars, realised by a revolute
// constraint between the frames at the ends it takes.
void MakeHinges(Parts& parts)
{
  for (const HingePlan& plan : kHinges) {
    const RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(plan.joint);
    const RVLSharedHandle<ZALMPRevoluteConstraint> axis = ZALMPRevoluteConstraint::create(plan.constraint);
    const std::pair<Bar, End> sides[] = {{plan.out, plan.outEnd}, {plan.in, plan.inEnd}};
    for (const auto& [bar, end] : sides) {
      const RVLSharedHandle<ZALMPBody>& body = parts.bodies[bar];
      joint->LinkToBody(body, bar == plan.out ? ZALMPBodyOrientation::Out : ZALMPBodyOrientation::In);
      body->LinkToJoint(joint);
      const RVLSharedHandle<ZALMPAxisSystem>& frame = parts.ends[bar][end == End::Pin];
      axis->LinkToGeometry(frame);
      frame->LinkToConstraint(axis);
    }
    joint->AddConstraint(axis);
    axis->SetJoint(joint);
    parts.joints.push_back(joint);
    parts.constraints.push_back(axis);
  }
}

// Links `variable` to `constraint` both ways.
void Use(const RVLSharedHandle<ZALMPConstraint>& constraint, const RVLSharedHandle<ZALMPVariable>& variable)
{
  constraint->LinkToVariable(variable);
  variable->LinkToConstraint(constraint);
}

// The crank turns at the driver's command; the rocker swings between two end
// stops that give back half of the impact speed. Each angle is the one its
// bearing's constraint turns.
void MakeAngles(Parts& parts)
{
  const ZALMathVector crank = kCrankPin - kCrankPivot;
  const RVLSharedHandle<ZALMPVariable> crankAngle = ZALMPVariable::create(L"CrankAngle");
  crankAngle->SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
  crankAngle->SetType(ZALMPVariableType::Controlled);
  crankAngle->SetValue(std::atan2(crank.GetY(), crank.GetX()));
  crankAngle->SetStartingValue(std::atan2(crank.GetY(), crank.GetX()));
  crankAngle->SetMinValue(0.0);
  crankAngle->SetMaxValue(2.0 * std::numbers::pi);
  parts.variables.push_back(crankAngle);
  Use(parts.constraints[0], crankAngle);

  const ZALMathVector rocker = kRockerPin - kRockerPivot;
  const RVLSharedHandle<ZALMPVariable> rockerAngle = ZALMPVariable::create(L"RockerAngle");
  rockerAngle->SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
  rockerAngle->SetType(ZALMPVariableType::Free);
  rockerAngle->SetValue(std::atan2(rocker.GetY(), rocker.GetX()));
  rockerAngle->SetMinValue(1.5);
  rockerAngle->SetMaxValue(2.5);
  rockerAngle->SetRestitutionOnMinLimit(0.5);
  rockerAngle->SetRestitutionOnMaxLimit(0.5);
  parts.variables.push_back(rockerAngle);
  Use(parts.constraints[3], rockerAngle);
}

// The bar lengths a designer may vary: the crank is held, the coupler and
// the rocker follow it.
struct Lengths {
  RVLSharedHandle<ZALMPVariable> crank;
  RVLSharedHandle<ZALMPVariable> coupler;
  RVLSharedHandle<ZALMPVariable> rocker;
};

Lengths MakeLengths(Parts& parts)
{
  const RVLSharedHandle<ZALMPVariable> crankLength = ZALMPVariable::create(L"CrankLength");
  crankLength->SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
  crankLength->SetType(ZALMPVariableType::Constant);
  crankLength->SetValue((kCrankPin - kCrankPivot).Norm());
  crankLength->SetMinValue(0.05);
  crankLength->SetMaxValue(0.15);
  parts.variables.push_back(crankLength);

  const RVLSharedHandle<ZALMPVariable> couplerLength = ZALMPVariable::create(L"CouplerLength");
  couplerLength->SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
  couplerLength->SetValue((kRockerPin - kCrankPin).Norm());
  couplerLength->SetMinValue(0.25);
  couplerLength->SetMaxValue(0.35);
  parts.variables.push_back(couplerLength);

  const RVLSharedHandle<ZALMPVariable> rockerLength = ZALMPVariable::create(L"RockerLength");
  rockerLength->SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
  rockerLength->SetValue((kRockerPin - kRockerPivot).Norm());
  rockerLength->SetMinValue(0.2);
  rockerLength->SetMaxValue(0.3);
  parts.variables.push_back(rockerLength);
  return {crankLength, couplerLength, rockerLength};
}

// The rocker is 2.6 crank lengths long, kept by the solver as the linear
// equation 1 * RockerLength - 2.6 * CrankLength + 0 = 0.
constexpr double kRockerToCrank = 2.6;

void MakeRockerRule(Parts& parts, const Lengths& lengths)
{
  const RVLSharedHandle<ZALMPLinearEquation> rule = ZALMPLinearEquation::create(L"RockerLengthRule");
  Use(rule, lengths.rocker);
  rule->AddLinearTerm(1.0);
  Use(rule, lengths.crank);
  rule->AddLinearTerm(-kRockerToCrank);
  rule->SetConstantTerm(0.0);
  parts.constraints.push_back(rule);
}

void AddConstant(Parts& parts, const wchar_t* name, ZALMPPhysicalQuantity::Enum quantity, double number)
{
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(name);
  constant->SetPhysicalQuantity(quantity);
  constant->SetValue(number);
  parts.values.push_back(constant);
}

// Design data of several physical quantities.
void MakeConstants(Parts& parts)
{
  AddConstant(parts, L"GroundLength", ZALMPPhysicalQuantity::Length, (kRockerPivot - kCrankPivot).Norm());
  AddConstant(parts, L"PinRadius", ZALMPPhysicalQuantity::Length, kPinRadius);
  AddConstant(parts, L"SteelDensity", ZALMPPhysicalQuantity::Density, kSteelDensity);
  AddConstant(parts, L"CrankMass", ZALMPPhysicalQuantity::Mass, BarMass((kCrankPin - kCrankPivot).Norm()));
  AddConstant(parts, L"MinTransmissionAngle", ZALMPPhysicalQuantity::Angle, 40.0 * std::numbers::pi / 180.0);
  AddConstant(parts, L"CrankSpeed", ZALMPPhysicalQuantity::AngularVelocity, kCrankSpeed);
}

// The coupler is three crank lengths long: an equation over the two length variables.
// The equation's names are those of the variables it links, in link order.
constexpr const wchar_t* kCouplerRule = L"CouplerLength = 3*CrankLength";

void MakeCouplerRule(Parts& parts, ZALWBEquation* equation, const Lengths& lengths)
{
  const RVLSharedHandle<ZALMPExpression> rule = ZALMPExpression::create(L"CouplerLengthRule");
  rule->SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
  rule->SetValue(equation);
  rule->LinkToVariable(lengths.coupler);
  rule->LinkToVariable(lengths.crank);
  parts.values.push_back(rule);
}

// Links the expression `value` to the global time, the second name of its equation, as
// the world does for an expression it is given.
void FollowTime(const RVLSharedHandle<ZALMPValue>& value, const RVLSharedHandle<ZALMPVariable>& time)
{
  const RVLSharedHandle<ZALMPExpression> expression(value);
  expression->LinkToVariable(time);
  expression->SetVariableMapping({{0, 1}});
}

// A spring pulls the rocker's middle towards the middle of the ground bar,
// relaxed in the assembled pose. Its stiffness and rest length are constants;
// its damping grows with the global time, as an expression made from the one
// equation `damping` of `factory`. The spring is in no world yet, so its
// values are filed with the other parts and the expression is linked to the
// time here, as the world would do for a spring it held.
constexpr double kSpringStiffness = 200.0;  // N/m
constexpr const wchar_t* kSpringDamping = L"RockerSpringDamping = 2 + 0.5*GlobalTime";

HRESULT MakeSpring(Parts& parts, ZALWBFactory* factory, const RVLSharedHandle<ZALMPVariable>& time)
{
  const RVLSharedHandle<ZALMPBody>& rocker = parts.bodies[Rocker];
  const RVLSharedHandle<ZALMPBody>& ground = parts.bodies[Ground];
  const RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"RockerSpring");
  parts.connectors.push_back(spring);
  spring->SetFirstBody(rocker);
  spring->SetSecondBody(ground);
  rocker->LinkToConnector(spring);
  ground->LinkToConnector(spring);
  const ZALMathPoint onRocker = kRockerPivot + (kRockerPin - kRockerPivot) * 0.5;
  const ZALMathPoint onGround = kCrankPivot + (kRockerPivot - kCrankPivot) * 0.5;
  spring->SetFirstAttachment(ZALMathPoint((kRockerPin - kRockerPivot).Norm() / 2.0, 0.0, 0.0));
  spring->SetSecondAttachment(ZALMathPoint((kRockerPivot - kCrankPivot).Norm() / 2.0, 0.0, 0.0));

  RVLSharedHandle<ZALMPValue> damping;
  if (FAILED(spring->SetStiffness(kSpringStiffness)) || FAILED(spring->SetRestLength((onRocker - onGround).Norm())) ||
      FAILED(CreateExpressionValue(factory, spring, ZALMPPhysicalQuantity::LinearDamping, damping)) ||
      FAILED(spring->SetDampingCoefficient(damping)))
    return E_FAIL;
  FollowTime(damping, time);
  RVLSharedHandle<ZALMPValue> stiffness, restLength;
  spring->GetStiffness(stiffness);
  spring->GetRestLength(restLength);
  parts.values.insert(parts.values.end(), {stiffness, restLength, damping});
  return S_OK;
}

// The crank turns once a second: a motor drives its angle to an expression of
// the time, from an equation factory the motor owns, bounded by a torque.
constexpr const wchar_t* kCrankDrive = L"CrankDrive = 6.283185307179586 * GlobalTime";
constexpr double kMaxDriveTorque = 5.0;  // N m

HRESULT MakeDrive(Parts& parts, const RVLSharedHandle<ZALMPVariable>& crankAngle,
                  const RVLSharedHandle<ZALMPVariable>& time)
{
  const RVLSharedHandle<ZALMPMotor> motor = ZALMPMotor::create(L"CrankMotor");
  parts.actuators.push_back(motor);
  auto factory = std::make_unique<ZALWBFactory>();
  ZALWBEquation* equation = nullptr;
  if (FAILED(motor->SetVariable(crankAngle)) ||
      FAILED(ZALMPSerializationServices::ParseWBEquation(kCrankDrive, factory.get(), equation)) ||
      FAILED(motor->SetPosition(factory.release())) || FAILED(motor->SetMaxForce(kMaxDriveTorque)))
    return E_FAIL;
  RVLSharedHandle<ZALMPValue> position, maxForce;
  motor->GetPosition(position);
  motor->GetMaxForce(maxForce);
  FollowTime(position, time);
  parts.values.insert(parts.values.end(), {position, maxForce});
  return S_OK;
}

// A steady push down on the middle of the coupler, as three constants of
// force, and no torque.
HRESULT MakePush(Parts& parts)
{
  const RVLSharedHandle<ZALMPSpatialForceActuator> push = ZALMPSpatialForceActuator::create(L"CouplerPush");
  parts.actuators.push_back(push);
  if (FAILED(push->SetBody(parts.bodies[Coupler])) || FAILED(push->SetForce(ZALMathVector(0.0, -20.0, 0.0))) ||
      FAILED(push->SetTorque(ZALMathVector())))
    return E_FAIL;
  push->SetApplicationPoint(kCrankPin + (kRockerPin - kCrankPin) * 0.5);
  ZALMPSpatialForceActuator::Components force, torque;
  push->GetForce(force);
  push->GetTorque(torque);
  for (int axis = 0; axis < 3; ++axis) {
    force[axis]->SetPhysicalQuantity(ZALMPPhysicalQuantity::Force);
    torque[axis]->SetPhysicalQuantity(ZALMPPhysicalQuantity::Torque);
    parts.values.insert(parts.values.end(), {force[axis], torque[axis]});
  }
  return S_OK;
}

// What the host measures: the crank's turn in its bearing (the revolute
// joint's rotation, its degree of freedom 5 about Z) and the force the spring
// passes to the rocker.
void MakeSensors(Parts& parts)
{
  const RVLSharedHandle<ZALMPJointDOFSensor> crankTurn = ZALMPJointDOFSensor::create(L"CrankTurn");
  crankTurn->SetJoint(parts.joints[0]);
  crankTurn->SetIndexDOF(5);
  parts.sensors.push_back(crankTurn);
  const RVLSharedHandle<ZALMPConnectorSpatialForceSensor> springLoad =
      ZALMPConnectorSpatialForceSensor::create(L"SpringLoad");
  springLoad->SetConnector(parts.connectors[0]);
  parts.sensors.push_back(springLoad);
}

// The coupler may strike the ground bar: steel on steel, a stiff thin
// contact layer, damped, with the damping eased in over the first tenth of a
// millimetre of penetration.
void MakeContact(Parts& parts)
{
  const RVLSharedHandle<ZALMPCollisionRule> contact = ZALMPCollisionRule::create(L"CouplerOnGround");
  contact->SetFirstBody(parts.bodies[Coupler]);
  contact->SetSecondBody(parts.bodies[Ground]);
  contact->SetRuleType(ZALMPCollisionRuleType::CollisionReaction);
  contact->SetRestitutionCoefficient(0.6);
  contact->SetDynamicFrictionCoefficient(0.42);
  contact->SetStaticFrictionCoefficient(0.74);
  for (const auto setSide : {&ZALMPCollisionRule::SetFirstCollidableParameters,
                             &ZALMPCollisionRule::SetSecondCollidableParameters})
    ((*contact).*setSide)(2.1e11, 0.3, 0.001);
  contact->SetDampingCoefficient(1000.0);
  contact->EnableDampingTransition(1);
  contact->SetDampingTransitionDepth(1e-4);
  contact->SetFrictionParameters(0.42, 0.01);
  parts.interactions.push_back(contact);
}

// The crank's balancing design: a parameter group of two values.
void MakeCrankDesign(Parts& parts)
{
  const RVLSharedHandle<ZALMPParameter> design = ZALMPParameter::create(L"CrankDesign");
  AddConstant(parts, L"CounterweightMass", ZALMPPhysicalQuantity::Mass, 0.05);
  design->AddValue(parts.values.back());
  AddConstant(parts, L"CounterweightAngle", ZALMPPhysicalQuantity::Angle, std::numbers::pi);
  design->AddValue(parts.values.back());
  parts.bodies[Crank]->AddParameter(design);
  parts.attributes.push_back(design);
}

// Files every part; on a refusal, takes back what was filed before it.
HRESULT File(ZALMPWorld& world, const Parts& parts)
{
  std::vector<std::function<void()>> undo;
  const auto fileAll = [&](const auto& entities, auto kind) {
    using Kind = typename decltype(kind)::type;
    for (const auto& entity : entities) {
      const RVLSharedHandle<Kind> filed = entity;
      if (world.Add<Kind>(filed) != S_OK) return false;
      undo.push_back([&world, filed] { world.Remove<Kind>(filed); });
    }
    return true;
  };
  if (fileAll(parts.bodies, std::type_identity<ZALMPBody>{}) &&
      fileAll(parts.geometries, std::type_identity<ZALMPGeometry>{}) &&
      fileAll(parts.joints, std::type_identity<ZALMPJoint>{}) &&
      fileAll(parts.constraints, std::type_identity<ZALMPConstraint>{}) &&
      fileAll(parts.variables, std::type_identity<ZALMPVariable>{}) &&
      fileAll(parts.values, std::type_identity<ZALMPValue>{}) &&
      fileAll(parts.shapes, std::type_identity<ZALMPShape>{}) &&
      fileAll(parts.connectors, std::type_identity<ZALMPConnector>{}) &&
      fileAll(parts.attributes, std::type_identity<ZALMPAttribute>{}) &&
      fileAll(parts.actuators, std::type_identity<ZALMPActuator>{}) &&
      fileAll(parts.sensors, std::type_identity<ZALMPSensor>{}) &&
      fileAll(parts.interactions, std::type_identity<ZALMPInteraction>{}))
    return S_OK;
  for (const auto& takeBack : undo) takeBack();
  return E_FAIL;
}

}  // namespace

HRESULT ZALMPDemoMechanism::Build(const RVLSharedHandle<ZALMPWorld>& world)
{
  if (!world) return E_FAIL;
  // The spring's damping is made from a factory of that one equation: the
  // world's own, before the coupler rule joins it (so the world must be new).
  ZALWBFactory* factory = nullptr;
  ZALWBEquation* damping = nullptr;
  ZALWBEquation* equation = nullptr;
  RVLSharedHandle<ZALMPVariable> time;
  if (FAILED(world->GetWBFactory(factory)) || FAILED(world->GetGlobalTime(time)) ||
      FAILED(ZALMPSerializationServices::ParseWBEquation(kSpringDamping, factory, damping)) || !damping)
    return E_FAIL;

  Parts parts;
  for (int bar = 0; bar < BarCount; ++bar) MakeLink(parts, static_cast<Bar>(bar));
  if (FAILED(MakeSpring(parts, factory, time)) ||
      FAILED(ZALMPSerializationServices::ParseWBEquation(kCouplerRule, factory, equation)) || !equation) {
    parts.Discard();
    return E_FAIL;
  }
  MakeHinges(parts);
  MakeAngles(parts);
  const Lengths lengths = MakeLengths(parts);
  MakeRockerRule(parts, lengths);
  MakeConstants(parts);
  MakeCouplerRule(parts, equation, lengths);
  MakeCrankDesign(parts);
  MakeSensors(parts);
  MakeContact(parts);
  if (FAILED(MakeDrive(parts, parts.variables[0], time)) || FAILED(MakePush(parts))) {
    parts.Discard();
    return E_FAIL;
  }
  if (FAILED(File(*world, parts))) {
    parts.Discard();
    return E_FAIL;
  }
  world->SetGravity(ZALMathVector(0.0, -kGravity, 0.0));
  return S_OK;
}
