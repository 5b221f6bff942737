// What every entity kind that exists in code must do, whatever its module: be
// made by the factory from its class name and from its element id, come back
// from a world saved and read again at every format version, copy into an
// independent entity, and make a world whose copy and whose save-then-load are
// the same world. A kind without a sample below fails the test, so a new kind
// joins it with one entry.

#include "ZALMPModellerSamples.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPWorldFixture.h"

#include <ZALMP0DoF.h>
#include <ZALMP3DRep.h>
#include <ZALMP6DoF.h>
#include <ZALMPAngle.h>
#include <ZALMPAxialSpring.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPBody2D.h>
#include <ZALMPBoolean.h>
#include <ZALMPBushing.h>
#include <ZALMPCable.h>
#include <ZALMPCircle.h>
#include <ZALMPCircle2D.h>
#include <ZALMPCirline.h>
#include <ZALMPClassIdentity.h>
#include <ZALMPCoaxiality.h>
#include <ZALMPCoincidence.h>
#include <ZALMPCollisionInterLayer.h>
#include <ZALMPCollisionLayer.h>
#include <ZALMPCollisionRule.h>
#include <ZALMPConcentricity.h>
#include <ZALMPCone.h>
#include <ZALMPConstant.h>
#include <ZALMPConstraintParameter.h>
#include <ZALMPCurve.h>
#include <ZALMPCurve2D.h>
#include <ZALMPCylindricalConstraint.h>
#include <ZALMPCylicone.h>
#include <ZALMPCylinder.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPDistance.h>
#include <ZALMPEllipse.h>
#include <ZALMPEntityKinds.h>
#include <ZALMPEquation.h>
#include <ZALMPExpression.h>
#include <ZALMPFactory.h>
#include <ZALMPForceElement.h>
#include <ZALMPGear.h>
#include <ZALMPHyperbola.h>
#include <ZALMPLine.h>
#include <ZALMPLine2D.h>
#include <ZALMPLinearEquation.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPNormal.h>
#include <ZALMPParabola.h>
#include <ZALMPParallelism.h>
#include <ZALMPParameter.h>
#include <ZALMPPerpendicularity.h>
#include <ZALMPPlanarConstraint.h>
#include <ZALMPPlane.h>
#include <ZALMPPoint.h>
#include <ZALMPPoint2D.h>
#include <ZALMPPrismaticConstraint.h>
#include <ZALMPRack.h>
#include <ZALMPRevoluteConstraint.h>
#include <ZALMPRollCurveConstraint.h>
#include <ZALMPScrew.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPShapeBody.h>
#include <ZALMPSketch.h>
#include <ZALMPSphere.h>
#include <ZALMPSphericalConstraint.h>
#include <ZALMPState.h>
#include <ZALMPString.h>
#include <ZALMPSupport.h>
#include <ZALMPSurface.h>
#include <ZALMPSymmetry.h>
#include <ZALMPTangency.h>
#include <ZALMPTorsionSpring.h>
#include <ZALMPTorus.h>
#include <ZALMPUniversalConstraint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>
#include <ZALMPCollisionSensor.h>
#include <ZALMPConnectorSpatialForceSensor.h>
#include <ZALMPConstraintSensor.h>
#include <ZALMPJointSpatialForceSensor.h>
#include <ZALMPDofSensor.h>
#include <ZALMPDofSensor2D.h>
#include <ZALMPJointDOFSensor.h>
#include <ZALMPMotorForceSensor.h>
#include <ZALMPDisplacementActuator.h>
#include <ZALMPDisplacementActuator2D.h>
#include <ZALMPGlobalDisplacementActuator.h>
#include <ZALMPJointForceActuator.h>
#include <ZALMPMotor.h>
#include <ZALMPSpatialForceActuator.h>
#include <ZALMPSpatialForceActuator2D.h>
#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>
#include <ZALMPXmlWriter.h>

#include <ZALMPRevolute.h>
#include <ZALMPPrismatic.h>
#include <ZALMPCylindrical.h>
#include <ZALMPSpherical.h>
#include <ZALMPUniversal.h>
#include <ZALMPPlanar.h>
#include <ZALMPRigid.h>
#include <ZALMPPointCurve.h>
#include <ZALMPPointSurface.h>
#include <ZALMPSlideCurve.h>
#include <ZALMPRollCurve.h>
#include <ZALMPUserDefined.h>
#include <ZALMPUserDefined2D.h>
#include <ZALMPSymmetric.h>

#include <ZAL3DBagRep.h>
#include <ZAL3DBoxRep.h>
#include <ZALTRVFace.h>
#include <ZALTRVLine.h>
#include <ZALTRVPlane.h>
#include <ZALWBFactory.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cwchar>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Fills every field of one kind from `seed`; each seed gives other values.
// Directions are unit vectors: a reader makes them so.
using Sample = std::function<void(ZALMPEntity&, double seed, ZALMPWorld& world)>;

template <class T, class Fill>
std::pair<const std::string, Sample> Of(Fill fill)
{
  return {T::ClassName(), [fill](ZALMPEntity& entity, double seed, ZALMPWorld& world) {
            fill(dynamic_cast<T&>(entity), seed, world);
          }};
}

ZALMathPoint At(double s) { return {s, 2.0 * s, -s}; }
const ZALMathVector kX(1, 0, 0), kY(0, 1, 0), kZ(0, 0, 1);

RVLSharedHandle<ZALMPBody> Global(ZALMPWorld& world)
{
  RVLSharedHandle<ZALMPBody> global;
  world.GetGlobalBody(global);
  return global;
}

// `entity`, once filed in `world` under `Registry`, so that a reference to it comes back.
template <class Registry, class T>
RVLSharedHandle<T> Filed(ZALMPWorld& world, const RVLSharedHandle<T>& entity)
{
  world.Add<Registry>(entity);
  return entity;
}

// A joint kind adds nothing to the base: its sample links the global body, In.
template <class T>
std::pair<const std::string, Sample> Joint()
{
  return Of<T>([](T& joint, double, ZALMPWorld& world) { joint.LinkToBody(Global(world), ZALMPBodyOrientation::In); });
}

// A coupling kind: linked as a joint kind, and tied by an equation of its own.
template <class T>
std::pair<const std::string, Sample> Coupled()
{
  return Of<T>([](T& coupling, double s, ZALMPWorld& world) {
    Joint<T>().second(coupling, s, world);
    coupling.SetEquation(Filed<ZALMPConstraint>(world, ZALMPEquation::create(L"ratio")));
  });
}

// A constant filed in `world`, for the kinds that hold values.
RVLSharedHandle<ZALMPValue> FiledConstant(ZALMPWorld& world, double value)
{
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"held");
  constant->SetPhysicalQuantity(ZALMPPhysicalQuantity::Force);
  constant->SetValue(value);
  return Filed<ZALMPValue>(world, constant);
}

// An expression of the world's time, filed in `world`.
RVLSharedHandle<ZALMPValue> FiledExpression(ZALMPWorld& world, double slope)
{
  ZALWBFactory* factory = nullptr;
  world.GetWBFactory(factory);
  ZALWBEquation* equation = nullptr;
  ZALMPSerializationServices::ParseWBEquation(L"f = " + std::to_wstring(slope) + L" * t", factory, equation);
  const RVLSharedHandle<ZALMPExpression> expression = ZALMPExpression::create(L"of time");
  expression->SetPhysicalQuantity(ZALMPPhysicalQuantity::Force);
  expression->SetValue(equation);
  return Filed<ZALMPValue>(world, expression);
}

// A rule type other than the default for each seed.
ZALMPCollisionRuleType::Enum RuleType(double s)
{
  return static_cast<ZALMPCollisionRuleType::Enum>(1 + static_cast<int>(s) % 3);
}

// An attribute kind: a value and a child of its own kind, both filed.
template <class T>
std::pair<const std::string, Sample> Attributed()
{
  return Of<T>([](T& attribute, double s, ZALMPWorld& world) {
    attribute.AddValue(FiledConstant(world, s));
    attribute.AddChild(Filed<ZALMPAttribute>(world, T::create(L"child")));
  });
}

// A planar placement: a quarter turn, then a shift by the seed.
ZALMathTransformation2D QuarterTurn(double s)
{
  return ZALMathTransformation2D(ZALMath2x2Matrix({0, 1}, {-1, 0}), ZALMathVector2D(s, -s));
}

// Kinds on an axis through an origin: the angle a tenth of the seed and the
// radius the seed, where the kind has them.
template <class T>
std::pair<const std::string, Sample> Axial(const ZALMathVector& axis)
{
  return Of<T>([=](T& g, double s, ZALMPWorld&) {
    g.SetOrigin(At(s));
    g.SetAxis(axis);
    if constexpr (requires { g.SetAngle(s); }) g.SetAngle(s / 10);
    if constexpr (requires { g.SetRadius(s); }) g.SetRadius(s);
  });
}

// Kinds around a centre: the major direction and the normal where the kind
// has them, then the curvature or the major radius `factor` times the seed,
// and the minor radius or the radius the seed.
template <class T>
std::pair<const std::string, Sample> Centred(const ZALMathVector& normal = kZ, const ZALMathVector& major = kX,
                                             double factor = 1)
{
  return Of<T>([=](T& g, double s, ZALMPWorld&) {
    g.SetCenter(At(s));
    if constexpr (requires { g.SetMajorDirection(major); }) g.SetMajorDirection(major);
    if constexpr (requires { g.SetNormal(normal); }) g.SetNormal(normal);
    if constexpr (requires { g.SetCurvature(s); }) g.SetCurvature(factor * s);
    if constexpr (requires { g.SetMajorRadius(s); }) g.SetMajorRadius(factor * s);
    if constexpr (requires { g.SetMinorRadius(s); }) g.SetMinorRadius(s);
    if constexpr (requires { g.SetRadius(s); }) g.SetRadius(s);
  });
}

// Kinematic constraints: both axes away from Z, and one initialized solver
// parameter (a tag with its top bit set), so that the parameters are written.
template <class T>
std::pair<const std::string, Sample> Kinematic()
{
  return Of<T>([](T& c, double s, ZALMPWorld&) {
    const int step = static_cast<int>(2 * s);
    c.SetSelectedAxis(0, static_cast<ZALMPSelectedAxis::Enum>(step % 6));
    c.SetSelectedAxis(1, static_cast<ZALMPSelectedAxis::Enum>((step + 1) % 6));
    auto parameter = std::make_unique<ZALMPConstraintParameter>();
    const int types[2] = {step, -step};
    const unsigned int tags[3] = {0x80000000u + static_cast<unsigned int>(step), 2u, 3u};
    const double params[3] = {s, -s, s / 4};
    parameter->SetTypes(types);
    parameter->SetTags(tags);
    parameter->SetParams(params);
    parameter->SetInitialized(true);
    c.AddConstraintParameter(parameter.release());
  });
}

// Constraint kinds: each option off its default, and another value past seed
// 2. A copy starts active, so a kind without options differs from its copy too.
template <class T>
std::pair<const std::string, Sample> Constrained()
{
  return Of<T>([](T& c, double s, ZALMPWorld&) {
    const bool late = s > 2;
    if constexpr (requires { c.SetAlignment(ZALMPAlignment::Align); })
      c.SetAlignment(late ? ZALMPAlignment::AntiAlign : ZALMPAlignment::Align);
    if constexpr (requires { c.SetHingeMode(ZALMPHingeMode::Coincident); })
      c.SetHingeMode(late ? ZALMPHingeMode::Coincident : ZALMPHingeMode::NotSpecified);
    if constexpr (requires { c.SetHalfSpace(ZALMPHalfSpace::Negative); })
      c.SetHalfSpace(late ? ZALMPHalfSpace::Negative : ZALMPHalfSpace::Positive);
    if constexpr (requires { c.SetSurfaceOrientation(ZALMPSurfaceOrientation::Negative); })
      c.SetSurfaceOrientation(late ? ZALMPSurfaceOrientation::Negative : ZALMPSurfaceOrientation::Positive);
    if constexpr (requires { c.SetCircleTorusOrientation(ZALMPCircleTorusOrientation::Parallel); })
      c.SetCircleTorusOrientation(late ? ZALMPCircleTorusOrientation::Perpendicular
                                       : ZALMPCircleTorusOrientation::Parallel);
    if constexpr (requires { c.SetSelectedPlane(ZALMPSelectedPlane::ZX); })
      c.SetSelectedPlane(late ? ZALMPSelectedPlane::ZX : ZALMPSelectedPlane::YZ);
    c.Deactivate();
  });
}

const std::map<std::string, Sample>& Samples()
{
  static const std::map<std::string, Sample> samples = {
      Of<ZALMPBody>([](ZALMPBody& b, double s, ZALMPWorld&) {
        b.SetMass(s);
        b.SetCenterOfGravity(At(s));
        b.SetInertiaMatrix(ZALMath3x3Matrix(s * kX, 2 * s * kY, 3 * s * kZ));
        b.SetPosition(ZALMathTransformation(ZALMath3x3Matrix(kY, -1 * kX, kZ), ZALMathVector(s, 0, 1)), 0);
        b.SetVelocity(s * kX, s * kZ);
        b.SetAcceleration(s * kY, -s * kZ);
        b.SetOutOfWorld(true);
        b.Fix();
      }),
      Of<ZALMPBody2D>([](ZALMPBody2D& b, double s, ZALMPWorld&) {
        b.SetMass(s);
        b.SetCenterOfGravity({s, -s});
        b.SetInertiaMatrix(ZALMath2x2Matrix({s, 0}, {0, 2 * s}));
        b.SetPosition(QuarterTurn(s));
        b.SetVelocity({s, 0}, -s);
        b.SetAcceleration({0, s}, s / 2);
        b.Set3DPosition(ZALMathTransformation(ZALMath3x3Matrix(), ZALMathVector(0, 0, s)));
        b.Fix2D();
        b.Fix3D();
      }),
      Of<ZALMPSketch>([](ZALMPSketch& g, double s, ZALMPWorld&) { g.SetPlane(ZALMathPlane(At(s), kZ)); }),
      Of<ZALMPPoint2D>([](ZALMPPoint2D& g, double s, ZALMPWorld&) { g.SetPoint({s, -2 * s}); }),
      Of<ZALMPLine2D>([](ZALMPLine2D& g, double s, ZALMPWorld&) { g.SetLine(ZALMathLine2D({s, s}, {0, 1})); }),
      Of<ZALMPCircle2D>([](ZALMPCircle2D& g, double s, ZALMPWorld&) {
        g.SetCenter({s, 0});
        g.SetRadius(s);
      }),
      Of<ZALMPCurve2D>([](ZALMPCurve2D& g, double s, ZALMPWorld&) {
        // Its segments are not written: what the sample changes on paper is the activity.
        const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create(At(s), At(s) + kX);
        std::unique_ptr<ZALCrvLimits> limits = LimitsOf(*line, 0.0, s);
        g.DeleteCurveLimitsAtEnd(true);
        if (SUCCEEDED(g.AddCurve(line.get(), ZALMPCurveOrientation::Positive, limits.get()))) limits.release();
        g.Deactivate();
      }),
      Of<ZALMP3DRep>([](ZALMP3DRep& shape, double s, ZALMPWorld&) {
        ZAL3DBagRep* const bag = ZAL3DBagRep::CreateRep();
        bag->AddChild(ZAL3DBoxRep::CreateRep(s, 2 * s, 3 * s));
        shape.Set3DRep(bag);
      }),
      Of<ZALMPShapeBody>([](ZALMPShapeBody& shape, double s, ZALMPWorld&) {
        const ZALBaseUnknownRef<ZALBody> solid = ZALBody::Create("solid");
        solid->AddFace(ZALTRVFace::Create("top", ZALTRVPlane::Create(At(s), kX, kY, 0.0, s, 0.0, s).get()).get());
        shape.SetBody(solid.get());
      }),
      Of<ZALMPDisplacementSensor2D>([](ZALMPDisplacementSensor2D& d, double s, ZALMPWorld&) {
        d.SetDisplacement(QuarterTurn(s));
        d.Deactivate();
      }),
      Of<ZALMPUserDefined2D>([](ZALMPUserDefined2D& joint, double, ZALMPWorld& world) {
        joint.LinkToBody(Filed<ZALMPBody>(world, ZALMPBody2D::create(L"planar")), ZALMPBodyOrientation::In);
      }),
      Coupled<ZALMPGear>(), Coupled<ZALMPRack>(), Coupled<ZALMPCable>(), Coupled<ZALMPScrew>(),
      Of<ZALMPMotor>([](ZALMPMotor& motor, double s, ZALMPWorld& world) {
        const RVLSharedHandle<ZALMPVariable> angle = ZALMPVariable::create(L"driven");
        angle->SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
        motor.SetVariable(Filed<ZALMPVariable>(world, angle));
        motor.SetPosition(s);
        motor.SetVelocity(FiledExpression(world, s));
        motor.SetMaxForce(2 * s);
      }),
      Of<ZALMPDisplacementActuator>([](ZALMPDisplacementActuator& actuator, double s, ZALMPWorld& world) {
        actuator.SetBody(Global(world));
        actuator.SetGeometry(Filed<ZALMPGeometry>(world, ZALMPPoint::create(L"moved at")));
        actuator.SetDisplacement(ZALMathTransformation(ZALMath3x3Matrix(kZ, kX, kY), ZALMathVector(s, 0, -s)));
        actuator.SetDisplacementByDragLine(ZALMathLine(At(s), kY));
      }),
      Of<ZALMPDisplacementActuator2D>([](ZALMPDisplacementActuator2D& actuator, double s, ZALMPWorld& world) {
        actuator.SetBody(Filed<ZALMPBody>(world, ZALMPBody2D::create(L"moved")));
        actuator.SetGeometry(Filed<ZALMPGeometry>(world, ZALMPPoint2D::create(L"moved at")));
        actuator.SetDisplacement(QuarterTurn(s));
        actuator.SetDisplacementByDragLine(ZALMathLine2D({s, 0}, {0, 1}));
      }),
      Of<ZALMPGlobalDisplacementActuator>([](ZALMPGlobalDisplacementActuator& actuator, double s, ZALMPWorld&) {
        actuator.SetGlobalDisplacement(ZALMathTransformation(ZALMath3x3Matrix(kY, -1 * kX, kZ), ZALMathVector(0, s, 0)));
      }),
      Of<ZALMPJointForceActuator>([](ZALMPJointForceActuator& actuator, double s, ZALMPWorld& world) {
        actuator.SetForce(FiledConstant(world, s));
        actuator.SetJoint(Filed<ZALMPJoint>(world, ZALMPRevolute::create(L"pushed")));
        actuator.SetIndexDOF(static_cast<int>(s));
      }),
      Of<ZALMPSpatialForceActuator>([](ZALMPSpatialForceActuator& actuator, double s, ZALMPWorld& world) {
        const RVLSharedHandle<ZALMPValue> force[3] = {FiledConstant(world, s), FiledConstant(world, 0),
                                                      FiledExpression(world, s)};
        const RVLSharedHandle<ZALMPValue> torque[3] = {FiledConstant(world, 0), FiledConstant(world, 0),
                                                       FiledConstant(world, -s)};
        actuator.SetForce(force);
        actuator.SetTorque(torque);
        actuator.SetBody(Global(world));
        actuator.SetApplicationPoint(At(s));
        actuator.SetIsInLocalFrame(true);
      }),
      Of<ZALMPSpatialForceActuator2D>([](ZALMPSpatialForceActuator2D& actuator, double s, ZALMPWorld& world) {
        actuator.SetBody(Filed<ZALMPBody>(world, ZALMPBody2D::create(L"pushed")));
        const RVLSharedHandle<ZALMPValue> force[2] = {FiledConstant(world, s), FiledExpression(world, s)};
        const RVLSharedHandle<ZALMPValue> torque[1] = {FiledConstant(world, -s)};
        actuator.SetForce(force);
        actuator.SetTorque(torque);
        actuator.SetApplicationPoint({s, -s});
        actuator.SetIsInLocalFrame(true);
      }),
      Of<ZALMPJointDOFSensor>([](ZALMPJointDOFSensor& sensor, double s, ZALMPWorld& world) {
        sensor.SetJoint(Filed<ZALMPJoint>(world, ZALMPRevolute::create(L"measured")));
        sensor.SetIndexDOF(static_cast<int>(2 * s));
        sensor.SetPosition(s);
        sensor.SetVelocity(-s);
        sensor.SetAcceleration(s / 4);
      }),
      Of<ZALMPMotorForceSensor>([](ZALMPMotorForceSensor& sensor, double s, ZALMPWorld& world) {
        sensor.SetMotor(Filed<ZALMPActuator>(world, ZALMPMotor::create(L"measured")));
        sensor.SetForce(10 * s);
      }),
      Of<ZALMPConstraintSensor>([](ZALMPConstraintSensor& sensor, double s, ZALMPWorld& world) {
        const auto watched = Filed<ZALMPConstraint>(world, ZALMPEquation::create(L"watched " + std::to_wstring(s)));
        sensor.SetConstraint(watched);
        watched->LinkToSensor(RVLSharedHandle<ZALMPSensor>(&sensor));
      }),
      Of<ZALMPDofSensor>([](ZALMPDofSensor& sensor, double s, ZALMPWorld& world) {
        sensor.AddTranslation(kX);
        sensor.AddRotation(At(s), kZ);
        sensor.AddScrew(At(-s), kY, s / 10);
        sensor.SetConstrainedBody(Global(world));
        sensor.SetReferenceBody(Global(world));
      }),
      Of<ZALMPDofSensor2D>([](ZALMPDofSensor2D& sensor, double s, ZALMPWorld& world) {
        sensor.AddTranslation({0, 1});
        sensor.AddRotation({s, -s});
        sensor.SetConstrainedBody(Filed<ZALMPBody>(world, ZALMPBody2D::create(L"constrained")));
      }),
      Of<ZALMPJointSpatialForceSensor>([](ZALMPJointSpatialForceSensor& sensor, double s, ZALMPWorld& world) {
        sensor.SetJoint(Filed<ZALMPJoint>(world, ZALMPRevolute::create(L"loaded")));
        sensor.SetIndexBody(1);
        sensor.SetSpatialForce(s * kX, -s * kZ);
      }),
      Of<ZALMPConnectorSpatialForceSensor>([](ZALMPConnectorSpatialForceSensor& sensor, double s, ZALMPWorld& world) {
        sensor.SetConnector(Filed<ZALMPConnector>(world, ZALMPLinearSpring::create(L"loaded")));
        sensor.SetIndexBody(static_cast<int>(s));
        sensor.SetSpatialForce(s * kY, s * kX);
      }),
      Of<ZALMPCollisionSensor>([](ZALMPCollisionSensor& sensor, double s, ZALMPWorld& world) {
        sensor.SetCollisionRule(Filed<ZALMPInteraction>(world, ZALMPCollisionRule::create(L"watched")));
        ZALMPCollisionSensor::ZALMPContactForceData contact;
        contact.firstBody = contact.secondBody = Global(world);
        contact.firstContactPoint = At(s);
        contact.penetrationDepth = s / 100;
        contact.secondNormalVector = kZ;
        contact.firstFrictionForce = s * kX;
        sensor.AddContactGeometryData(contact);
        sensor.AddContactForceData(contact);
      }),
      Attributed<ZALMPState>(),
      {ZALMPParameter::ClassName(),
       [](ZALMPEntity& entity, double s, ZALMPWorld& world) {
         Attributed<ZALMPParameter>().second(entity, s, world);
         dynamic_cast<ZALMPParameter&>(entity).AddSupport(Filed<ZALMPSupport>(world, ZALMPSupport::create(L"support")));
       }},
      Of<ZALMPAxialSpring>([](ZALMPAxialSpring& spring, double s, ZALMPWorld& world) {
        spring.SetBehavior(ZALMPSpringBehavior::CompressionLock);
        spring.SetRestLength(FiledConstant(world, s));
        spring.SetStiffness(FiledConstant(world, 2 * s));
        spring.SetDamping(FiledExpression(world, s));
        spring.SetActuatorForce(FiledConstant(world, -s));
      }),
      Of<ZALMPLinearSpring>([](ZALMPLinearSpring& spring, double s, ZALMPWorld& world) {
        spring.SetStiffness(100 * s);
        spring.SetRestLength(s);
        spring.SetBehavior(ZALMPSpringBehavior::ExtensionFree);
        spring.SetDampingCoefficient(FiledExpression(world, s));
      }),
      Of<ZALMPTorsionSpring>([](ZALMPTorsionSpring& spring, double s, ZALMPWorld&) {
        spring.SetStiffness(10 * s);
        spring.SetRestAngle(s / 10);
        spring.SetBehavior(ZALMPSpringBehavior::ExtensionLock);
        spring.SetDampingCoefficient(s / 100);
      }),
      Of<ZALMPBushing>([](ZALMPBushing& bushing, double s, ZALMPWorld& world) {
        const RVLSharedHandle<ZALMPValue> stiffness = FiledConstant(world, s), damping = FiledConstant(world, s / 2);
        const RVLSharedHandle<ZALMPValue> preLoad = FiledExpression(world, s);
        for (int component = 0; component < ZALMPBushing::kComponentCount; ++component) {
          bushing.SetStiffness(component, stiffness);
          bushing.SetDamping(component, damping);
          bushing.SetPreLoadForce(component, preLoad);
        }
      }),
      Of<ZALMPForceElement>([](ZALMPForceElement& force, double s, ZALMPWorld& world) {
        force.SetClass(L"UserForce");
        force.SetStream(L"gain=" + std::to_wstring(s));
        force.SetJoint(Filed<ZALMPJoint>(world, ZALMPRevolute::create(L"acted on")));
      }),
      Of<ZALMPCollisionLayer>([](ZALMPCollisionLayer& layer, double s, ZALMPWorld& world) {
        layer.SetRuleType(RuleType(s));
        layer.AddCollidable(Filed<ZALMPBody>(world, ZALMPBody::create(L"member")));
        layer.AddCollidable(Global(world));
      }),
      Of<ZALMPCollisionInterLayer>([](ZALMPCollisionInterLayer& interLayer, double s, ZALMPWorld& world) {
        interLayer.SetRuleType(RuleType(s + 1));
        const auto layer = Filed<ZALMPInteraction>(world, ZALMPCollisionLayer::create(L"grouped"));
        layer->AddCollidable(Global(world));
        interLayer.AddCollidable(layer);
        interLayer.SetRestitutionCoefficient(s / 10);
        interLayer.SetDynamicFrictionCoefficient(s / 5);
        interLayer.SetStaticFrictionCoefficient(s / 4);
      }),
      Of<ZALMPCollisionRule>([](ZALMPCollisionRule& rule, double s, ZALMPWorld& world) {
        rule.SetRuleType(RuleType(s + 3));
        const RVLSharedHandle<ZALMPBody> global = Global(world);
        rule.SetFirstBody(global);
        rule.SetSecondBody(Filed<ZALMPBody>(world, ZALMPBody::create(L"touched")));
        rule.SetRestitutionCoefficient(s / 10);
        rule.SetDynamicFrictionCoefficient(s / 5);
        rule.SetStaticFrictionCoefficient(s / 4);
        rule.SetFirstCollidableParameters(2e11 * s, s / 5, s / 1000);
        rule.SetSecondCollidableParameters(7e10 * s, s / 4, s / 500);
        rule.SetDampingCoefficient(10 * s);
        rule.EnableDampingTransition(1);
        rule.SetDampingTransitionDepth(s / 100);
        rule.SetFrictionParameters(s / 3, s / 50);
      }),
      Of<ZALMPSupport>([](ZALMPSupport& support, double, ZALMPWorld& world) { support.SetTarget(Global(world)); }),
      Of<ZALMPAxisSystem>([](ZALMPAxisSystem& g, double s, ZALMPWorld&) {
        g.SetAxisSystem(ZALMathAxis(At(s), kY, kZ, kX));
      }),
      Of<ZALMPPoint>([](ZALMPPoint& g, double s, ZALMPWorld&) { g.SetPoint(At(s)); }),
      Of<ZALMPLine>([](ZALMPLine& g, double s, ZALMPWorld&) { g.SetLine(ZALMathLine(At(s), kZ)); }),
      Of<ZALMPPlane>([](ZALMPPlane& g, double s, ZALMPWorld&) { g.SetPlane(ZALMathPlane(At(s), kY)); }),
      Of<ZALMPCircle>([](ZALMPCircle& g, double s, ZALMPWorld&) {
        ZALMathVector first, second;
        ZALMathPlane(At(s), kZ).GetDirections(first, second);
        ZALMathCircle circle;
        circle.Set(At(s), first, second, s, 1.0, 0.0);
        g.SetCircle(circle);
      }),
      Centred<ZALMPSphere>(), Centred<ZALMPTorus>(kY, kX, 2), Centred<ZALMPEllipse>(kZ, kX, 2),
      Centred<ZALMPHyperbola>(kX, kY, 3), Centred<ZALMPParabola>(kY, kZ), Centred<ZALMPCirline>(kY, kX, -1),
      Axial<ZALMPCylinder>(kY), Axial<ZALMPCone>(kZ), Axial<ZALMPCylicone>(kX),
      Of<ZALMPCurve>([](ZALMPCurve& g, double s, ZALMPWorld&) { AddLineAndArc(g, At(s), s); }),
      Of<ZALMPSurface>([](ZALMPSurface& g, double s, ZALMPWorld&) {
        g.SetSurface(ZALTRVPlane::Create(At(s), kX, kY, 0.0, s, 0.0, 2 * s).get());
      }),
      Of<ZALMPVariable>([](ZALMPVariable& v, double s, ZALMPWorld&) {
        v.SetValue(s);
        v.SetMinValue(-s);
        v.SetMaxValue(2 * s);
        v.SetRestitutionOnMinLimit(s / 4);
        v.SetRestitutionOnMaxLimit(s / 8);
        v.SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
        v.SetType(ZALMPVariableType::Controlled);
      }),
      Of<ZALMPConstant>([](ZALMPConstant& c, double s, ZALMPWorld&) {
        c.SetValue(s);
        c.SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
      }),
      Of<ZALMPBoolean>([](ZALMPBoolean& b, double s, ZALMPWorld&) {
        b.SetValue(s > 2 ? 1 : 0);
        b.SetPhysicalQuantity(ZALMPPhysicalQuantity::Time);
      }),
      Of<ZALMPString>([](ZALMPString& t, double s, ZALMPWorld&) {
        t.SetValue(ZALUnicodeString(L"text " + std::to_wstring(static_cast<int>(s))));
        t.SetPhysicalQuantity(ZALMPPhysicalQuantity::Mass);
      }),
      Of<ZALMPExpression>([](ZALMPExpression& e, double s, ZALMPWorld& world) {
        ZALWBFactory* factory = nullptr;
        world.GetWBFactory(factory);
        ZALWBEquation* equation = nullptr;
        ZALMPSerializationServices::ParseWBEquation(L"y = " + std::to_wstring(s) + L" * x", factory, equation);
        e.SetValue(equation);
        e.SetVariableMapping({{0, 3}, {1, static_cast<int>(s)}});
        e.SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
      }),
      Kinematic<ZALMPCylindricalConstraint>(), Kinematic<ZALMPPlanarConstraint>(),
      Kinematic<ZALMPPrismaticConstraint>(), Kinematic<ZALMPRevoluteConstraint>(),
      Kinematic<ZALMPSphericalConstraint>(), Kinematic<ZALMPUniversalConstraint>(),
      Of<ZALMPDisplacementSensor>([](ZALMPDisplacementSensor& d, double s, ZALMPWorld&) {
        d.SetDisplacement(ZALMathTransformation(ZALMath3x3Matrix(kZ, kX, kY), ZALMathVector(s, -s, 0.5)));
        d.Deactivate();
      }),
      Joint<ZALMPRevolute>(), Joint<ZALMPPrismatic>(), Joint<ZALMPCylindrical>(), Joint<ZALMPSpherical>(),
      Joint<ZALMPUniversal>(), Joint<ZALMPPlanar>(), Joint<ZALMPRigid>(), Joint<ZALMPPointCurve>(),
      Joint<ZALMPPointSurface>(), Joint<ZALMPSlideCurve>(), Joint<ZALMPRollCurve>(), Joint<ZALMPUserDefined>(),
      Joint<ZALMPSymmetric>(),
      Constrained<ZALMP0DoF>(), Constrained<ZALMP6DoF>(), Constrained<ZALMPConcentricity>(), Constrained<ZALMPAngle>(),
      Constrained<ZALMPCoaxiality>(), Constrained<ZALMPNormal>(), Constrained<ZALMPParallelism>(),
      Constrained<ZALMPPerpendicularity>(), Constrained<ZALMPRollCurveConstraint>(), Constrained<ZALMPCoincidence>(),
      Constrained<ZALMPDistance>(), Constrained<ZALMPSymmetry>(), Constrained<ZALMPTangency>(),
      Constrained<ZALMPEquation>(),
      Of<ZALMPLinearEquation>([](ZALMPLinearEquation& e, double s, ZALMPWorld&) {
        e.AddLinearTerm(s);
        e.AddLinearTerm(-2 * s);
        e.SetConstantTerm(s / 4);
      }),
  };
  return samples;
}

// The classes in code that can be made (they have `create`) and that the
// class table says the factory makes.
std::vector<std::string> KindsInCode()
{
  std::vector<std::string> kinds;
  for (const ZALMPClassRecords::Record& record : ZALMPClassRecords::All()) {
    const ZALMPClassTable::Row* row = ZALMPClassTable::Find(record.classInfo->getClassName());
    if (record.concrete && row && row->factory) kinds.emplace_back(row->className);
  }
  return kinds;
}

RVLSharedHandle<ZALMPEntity> Made(const std::string& className)
{
  RVLSharedHandle<ZALMPEntity> entity;
  ZALMPFactory::Create(className, entity);
  return entity;
}

void File(ZALMPWorld& world, const RVLSharedHandle<ZALMPEntity>& entity)
{
  ZALMPEntityKinds::First(*entity, [&]<class Kind>(std::type_identity<Kind>) {
    world.Add<Kind>(RVLSharedHandle<Kind>(entity));
  });
}

// Every entity of the world in registry order.
std::vector<RVLSharedHandle<ZALMPEntity>> Filed(const ZALMPWorld& world)
{
  std::vector<RVLSharedHandle<ZALMPEntity>> filed;
  ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
    for (int i = 0; i < world.Count<Kind>(); ++i) {
      RVLSharedHandle<Kind> entity;
      world.Get<Kind>(i, entity);
      filed.push_back(entity);
    }
  });
  return filed;
}

// Identifiers in registry order, so that a world read back (filed in
// identifier order) lists its entities as its source did.
void NumberInOrder(const std::vector<RVLSharedHandle<ZALMPEntity>>& entities)
{
  int next = 0;
  for (const RVLSharedHandle<ZALMPEntity>& entity : entities) {
    wchar_t id[16];
    std::swprintf(id, 16, L"k%05d", next++);
    EXPECT_EQ(S_OK, entity->SetIdentifier(id));
  }
}

std::string Saved(const ZALMPWorld& world, std::wstring_view version = ZALMPVersion::kNewest)
{
  std::string text;
  EXPECT_TRUE(ZALMPXml::Write(world, text, version).Ok());
  return text;
}

// The element an entity writes of itself, as text.
std::string Written(const ZALMPEntity& entity)
{
  ZALMPXmlWriter root;
  entity.Serialize(&root);
  return ZALMPXmlCodec::Write(root);
}

class KindConformance : public WorldFixture {
protected:
  RVLSharedHandle<ZALMPExpression> expression;  // the last one, linked by LinkEveryKind
  // A default and a populated entity of every kind in code, made by the
  // factory from its class name, filed. A world read back makes each from its
  // element id.
  void FileEveryKind()
  {
    const std::vector<std::string> kinds = KindsInCode();
    for (const auto& [kind, sample] : Samples())
      EXPECT_NE(kinds.end(), std::find(kinds.begin(), kinds.end(), kind)) << kind << " is no longer a kind in code";
    for (const std::string& kind : kinds) {
      const RVLSharedHandle<ZALMPEntity> plain = Made(kind);
      const RVLSharedHandle<ZALMPEntity> full = Made(kind);
      ASSERT_TRUE(plain && full) << kind << " is not registered with the factory";
      EXPECT_EQ(kind, full->getClassName());
      plain->setEntityName(L"plain");
      full->setEntityName(L"full");
      File(*world, plain);
      File(*world, full);
      ASSERT_TRUE(Samples().count(kind)) << kind << " has no sample: add one to this test";
      Samples().at(kind)(*full, 1.5, *world);
    }
  }
  // A link of every group, made both ways where both sides hold one: the
  // second body carries the first point and is measured by the first sensor,
  // has a joint, a shape, a connector, an impacted child and an aggregated
  // variable; a revolute joint links it (In) to the child (Out) and is
  // realised by a constraint that ties the point; the last expression uses the
  // variable with a mapping of its own. The planar twins alike (LinkPlanarKinds).
  void LinkEveryKind()
  {
    RVLSharedHandle<ZALMPBody> body, child;
    RVLSharedHandle<ZALMPGeometry> point;
    RVLSharedHandle<ZALMPSensor> sensor;
    RVLSharedHandle<ZALMPVariable> variable;
    world->Get<ZALMPBody>(1, body);
    world->Get<ZALMPBody>(2, child);
    world->Get<ZALMPVariable>(1, variable);
    for (const RVLSharedHandle<ZALMPEntity>& entity : Filed(*world)) {
      if (!point && dynamic_cast<ZALMPPoint*>(entity.get())) point = RVLSharedHandle<ZALMPGeometry>(entity);
      if (dynamic_cast<ZALMPExpression*>(entity.get())) expression = RVLSharedHandle<ZALMPExpression>(entity);
      if (!sensor) sensor = RVLSharedHandle<ZALMPDisplacementSensor>::TryNarrow(entity);
    }
    ASSERT_TRUE(body && child && point && sensor && variable && expression);
    body->AddGeometry(point);
    point->SetBody(body);
    const RVLSharedHandle<ZALMPDisplacementSensor> measuring(sensor);
    body->SetDisplacementSensor(measuring);
    measuring->SetBody(body);
    body->AddImpactedChildBody(child);
    body->AddAggregatedElement(variable);
    expression->LinkToVariable(variable);
    expression->SetVariableMapping({{0, 7}, {1, 2}});
    const RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
    const RVLSharedHandle<TestShape> shape = TestShape::create(L"shape");
    const RVLSharedHandle<TestConnector> connector = TestConnector::create(L"connector");
    const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
    shape->body = connector->body = body;
    joint->LinkToBody(child, ZALMPBodyOrientation::Out);
    joint->LinkToBody(body, ZALMPBodyOrientation::In);
    joint->AddConstraint(constraint);
    constraint->SetJoint(joint);
    body->LinkToJoint(joint);
    child->LinkToJoint(joint);
    body->LinkToShape(shape);
    body->LinkToConnector(connector);
    constraint->LinkToGeometry(point);
    constraint->LinkToVariable(variable);
    constraint->LinkToSensor(sensor);
    point->LinkToConstraint(constraint);
    variable->LinkToConstraint(constraint);
    shape->LinkToBody(body);
    for (const RVLSharedHandle<ZALMPEntity>& linked : RVLSharedVector<ZALMPEntity>{joint, shape, connector, constraint})
      File(*world, linked);
    LinkPlanarKinds(constraint);
  }
  // The first planar body lies in the first sketch, carries the first planar
  // point (in that sketch too, tied by `constraint`), is measured by the first
  // planar sensor, has a planar shape and the second planar body as impacted
  // child; a planar joint links it (In) to that child (Out).
  void LinkPlanarKinds(const RVLSharedHandle<ZALMPConstraint>& constraint)
  {
    std::vector<RVLSharedHandle<ZALMPBody2D>> bodies;
    RVLSharedHandle<ZALMPSketch> sketch;
    RVLSharedHandle<ZALMPPoint2D> point;
    RVLSharedHandle<ZALMPDisplacementSensor2D> sensor;
    for (const RVLSharedHandle<ZALMPEntity>& entity : Filed(*world)) {
      if (const auto planar = RVLSharedHandle<ZALMPBody2D>::TryNarrow(entity)) bodies.push_back(planar);
      if (!sketch) sketch = RVLSharedHandle<ZALMPSketch>::TryNarrow(entity);
      if (!point) point = RVLSharedHandle<ZALMPPoint2D>::TryNarrow(entity);
      if (!sensor) sensor = RVLSharedHandle<ZALMPDisplacementSensor2D>::TryNarrow(entity);
    }
    ASSERT_TRUE(bodies.size() >= 2 && sketch && point && sensor);
    const RVLSharedHandle<ZALMPBody2D> body = bodies[0], child = bodies[1];
    body->SetSketch(sketch);
    body->AddGeometry(point);
    point->SetBody(body);
    point->SetSketch(sketch);
    point->LinkToConstraint(constraint);
    constraint->LinkToGeometry(point);
    body->SetDisplacementSensor(sensor);
    sensor->SetBody(body);
    body->AddImpactedChildBody(child);
    const RVLSharedHandle<ZALMPUserDefined2D> joint = ZALMPUserDefined2D::create(L"planar joint");
    const RVLSharedHandle<TestShape2D> shape = TestShape2D::create(L"planar shape");
    joint->LinkToBody(child, ZALMPBodyOrientation::Out);
    joint->LinkToBody(body, ZALMPBodyOrientation::In);
    body->LinkToJoint(joint);
    child->LinkToJoint(joint);
    shape->LinkToBody(body);
    body->LinkToShape(shape);
    File(*world, joint);
    File(*world, shape);
  }
};

// The world of every kind, linked in every group, written at every version:
// the documents kept beside this test pin every element and attribute name,
// and what the layout keeps comes back, so the world read writes the same
// document. A clone of the world and a save-then-load of it are the same world.
TEST_F(KindConformance, EveryKindWritesTheKeptDocumentComesBackAndClonesAsItLoads)
{
  FileEveryKind();
  LinkEveryKind();
  NumberInOrder(Filed(*world));
  for (const std::wstring_view version : ZALMPVersion::kAll) {
    const std::string name = "kinds-" + std::string(version.begin(), version.end()) + ".xml";
    const std::string written = Saved(*world, version);
    std::ifstream kept(std::filesystem::path(ZALMP_TEST_DATA_DIR) / name, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    if (written != expected) std::ofstream(name + ".actual", std::ios::binary) << written;
    EXPECT_TRUE(written == expected) << name << " differs from the kept document; the written one is in "
                                     << std::filesystem::absolute(name + ".actual");
    ZALMPXmlModel model;
    ASSERT_TRUE(ZALMPXml::Read(written, model).Ok()) << name;
    EXPECT_EQ(written, Saved(*model.world, version)) << name << " read back writes another document";
  }

  // A copy keeps what each kind's copy rules keep (a copied entity starts
  // active, without identifier, and with only some of its fields), so the
  // world compared is itself a copy: copying it again and saving then loading
  // it must then give the same world, links and all.
  RVLSharedHandle<ZALMPWorld> model = world->Clone();
  ASSERT_TRUE(model);
  const std::vector<RVLSharedHandle<ZALMPEntity>> entities = Filed(*model);
  const std::vector<RVLSharedHandle<ZALMPEntity>> sources = Filed(*world);
  const auto at = std::find(sources.begin(), sources.end(), expression) - sources.begin();
  std::map<int, int> copied, original;
  RVLSharedHandle<ZALMPExpression>(entities[static_cast<std::size_t>(at)])->GetVariableMapping(copied);
  expression->GetVariableMapping(original);
  EXPECT_EQ(original, copied) << "linking the copied variables again kept the copied mapping";
  NumberInOrder(entities);

  RVLSharedHandle<ZALMPWorld> copy = model->Clone();
  ASSERT_TRUE(copy);
  const std::vector<RVLSharedHandle<ZALMPEntity>> copies = Filed(*copy);
  ASSERT_EQ(entities.size(), copies.size());
  NumberInOrder(copies);  // a copy's identifiers are its own: give it its source's

  ZALMPXmlModel read;
  ASSERT_TRUE(ZALMPXml::Read(Saved(*model), read).Ok());
  EXPECT_EQ(Saved(*read.world), Saved(*copy));
  EXPECT_NE(std::string::npos, Saved(*copy).find("<DisplacementSensor id=\"k")) << "links are part of the comparison";
  ZALMPWorld::destroy(copy);
  ZALMPWorld::destroy(model);
}

// The place of an object's first kind names the kind First visits, for
// every class; an object of no kind has none, and no place visits anything.
TEST_F(KindConformance, EveryClassIsFiledUnderTheKindAtItsFirstPlace)
{
  for (const std::string& className : KindsInCode()) {
    const RVLSharedHandle<ZALMPEntity> entity = Made(className);
    ASSERT_TRUE(entity) << className;
    std::string first;
    std::string atPlace;
    ZALMPEntityKinds::First(*entity, [&]<class Kind>(std::type_identity<Kind>) { first = Kind::ClassName(); });
    ZALMPEntityKinds::AtPlace(ZALMPEntityKinds::FirstPlace(*entity),
                              [&]<class Kind>(std::type_identity<Kind>) { atPlace = Kind::ClassName(); });
    EXPECT_FALSE(first.empty()) << className;
    EXPECT_EQ(first, atPlace) << className;
  }
  EXPECT_EQ(-1, ZALMPEntityKinds::FirstPlace(*host));
  bool visited = false;
  ZALMPEntityKinds::AtPlace(-1, [&]<class Kind>(std::type_identity<Kind>) { visited = true; });
  EXPECT_FALSE(visited);
}

TEST_F(KindConformance, ACopyOfEveryKindIsIndependentOfItsOriginal)
{
  for (const std::string& kind : KindsInCode()) {
    const RVLSharedHandle<ZALMPEntity> original = Made(kind);
    if (!original || !Samples().count(kind)) continue;  // reported by the test of the saved world
    File(*world, original);
    Samples().at(kind)(*original, 1.5, *world);
    const RVLSharedHandle<ZALMPEntity> copy = ZALMPLifecycle::Clone(original, RVLDynamicObject::DeepCopy);
    ASSERT_TRUE(copy) << kind;
    File(*world, copy);
    const std::string originalBefore = Written(*original);
    const std::string copyBefore = Written(*copy);

    Samples().at(kind)(*copy, 2.5, *world);
    EXPECT_EQ(originalBefore, Written(*original)) << kind << ": changing the copy changed the original";
    const std::string copyAfter = Written(*copy);
    Samples().at(kind)(*original, 3.5, *world);
    EXPECT_EQ(copyAfter, Written(*copy)) << kind << ": changing the original changed the copy";
    EXPECT_NE(copyBefore, copyAfter) << kind << ": the sample changes nothing that is written";
  }
}

}  // namespace
