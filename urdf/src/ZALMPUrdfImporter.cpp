#include "ZALMPUrdfImporter.h"

#include "ZALMPUrdfPose.h"

#include <ZALMP3DRep.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPJoint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <ZAL3DBoxRep.h>
#include <ZAL3DCylinderRep.h>
#include <ZAL3DMeshRep.h>
#include <ZAL3DSphereRep.h>
#include <ZALMathAxis.h>
#include <ZALUtf8.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstddef>
#include <set>
#include <vector>

namespace {

std::wstring Wide(const std::string& name)
{
  return ZALUtf8ToWide(name);
}

// A rotation whose Z axis is `axis` (of length 1); the identity for Z itself.
ZALMath3x3Matrix ZAlong(const ZALMathVector& axis)
{
  const ZALMathVector across =
      std::abs(axis.GetX()) > 0.9 ? ZALMathVector(0.0, 1.0, 0.0) : ZALMathVector(1.0, 0.0, 0.0);
  ZALMathVector x = across - across.Dot(axis) * axis;
  x.Normalize();
  return ZALMath3x3Matrix(x, axis.Cross(x), axis);
}

// The axis system that `placement` carries the canonical frame onto.
ZALMathAxis FrameOf(const ZALMathTransformation& placement)
{
  return placement * ZALMathAxis();
}

bool MovesAlongAxis(int urdfType)
{
  return urdfType == urdf::Joint::REVOLUTE || urdfType == urdf::Joint::CONTINUOUS ||
         urdfType == urdf::Joint::PRISMATIC || urdfType == urdf::Joint::PLANAR;
}

unsigned char Byte(float component)
{
  return static_cast<unsigned char>(std::lround(std::clamp(component, 0.0f, 1.0f) * 255.0f));
}

// The scene-graph node of a URDF geometry; null when its sizes make none.
ZAL3DRep* MakeRep(const urdf::Geometry& geometry)
{
  switch (geometry.type) {
    case urdf::Geometry::BOX: {
      const urdf::Vector3& size = static_cast<const urdf::Box&>(geometry).dim;
      return ZAL3DBoxRep::CreateRep(size.x, size.y, size.z);
    }
    case urdf::Geometry::CYLINDER: {
      const auto& cylinder = static_cast<const urdf::Cylinder&>(geometry);
      return ZAL3DCylinderRep::CreateRep(cylinder.radius, cylinder.length);
    }
    case urdf::Geometry::SPHERE:
      return ZAL3DSphereRep::CreateRep(static_cast<const urdf::Sphere&>(geometry).radius);
    case urdf::Geometry::MESH:
      return ZAL3DMeshRep::CreateRep(static_cast<const urdf::Mesh&>(geometry).filename);
  }
  return nullptr;
}

}  // namespace

std::string ZALMPUrdfImporter::Problem() const
{
  // The parser finds a missing link and two roots; a link hanging from two
  // joints, or a loop away from the root, it lets through.
  std::set<std::string> reached;
  std::vector<const urdf::Link*> open = {m_model.getRoot().get()};
  while (!open.empty()) {
    const urdf::Link* link = open.back();
    open.pop_back();
    if (!reached.insert(link->name).second)
      return "link \"" + link->name + "\" hangs from two joints: the joints form a loop";
    for (const urdf::JointSharedPtr& joint : link->child_joints) {
      if (MovesAlongAxis(joint->type) && std::hypot(joint->axis.x, joint->axis.y, joint->axis.z) == 0.0)
        return "joint \"" + joint->name + "\" has an axis of zero length";
      open.push_back(m_model.getLink(joint->child_link_name).get());
    }
  }
  std::string unreached;
  for (const auto& [name, link] : m_model.links_)
    if (!reached.count(name)) unreached += (unreached.empty() ? "\"" : ", \"") + name + "\"";
  if (!unreached.empty())
    return "links " + unreached + " cannot be reached from the root link \"" + m_model.getRoot()->name +
           "\": their joints form a loop";
  return {};
}

std::string ZALMPUrdfImporter::Build(const RVLSharedHandle<ZALMPWorld>& world)
{
  m_world = world;
  if (!m_model.getName().empty()) Warn("robot", m_model.getName(), "the robot's name is not kept");
  const urdf::Link& root = *m_model.getRoot();
  const RVLSharedHandle<ZALMPBody> rootBody = AddLink(root, ZALMathTransformation());
  AddTree(root, ZALMathTransformation(), rootBody);
  if (m_base == ZALMPUrdf::Base::Fixed) {
    RVLSharedHandle<ZALMPBody> global;
    if (FAILED(world->GetGlobalBody(global)) || !global) return "the world has no global body to fix the base to";
    Join(*ZALMPUrdfJointKinds::ForUrdf(urdf::Joint::FIXED), ZALMPUrdfJointKinds::FixedBaseName(Wide(root.name)), global,
         ZALMathAxis(), rootBody, ZALMathAxis());
  }
  return m_filed ? std::string() : "the world refused an entity of the model";
}

// Each link placed by the joint origins from the root down to it, depth
// first in the order the links hang; on a stack of its own, so that a long
// chain does not exhaust the call stack.
void ZALMPUrdfImporter::AddTree(const urdf::Link& root, const ZALMathTransformation& placement,
                                const RVLSharedHandle<ZALMPBody>& body)
{
  struct Level {
    const urdf::Link* link;
    ZALMathTransformation placement;
    RVLSharedHandle<ZALMPBody> body;
    std::size_t next = 0;
  };
  std::vector<Level> levels{{&root, placement, body}};
  while (!levels.empty()) {
    Level& level = levels.back();
    if (level.next == level.link->child_joints.size()) {
      levels.pop_back();
      continue;
    }
    const urdf::JointSharedPtr& joint = level.link->child_joints[level.next++];
    const urdf::LinkConstSharedPtr child = m_model.getLink(joint->child_link_name);
    const ZALMathTransformation childPlacement =
        level.placement * ZALMPUrdfPose::ToTransformation(joint->parent_to_joint_origin_transform);
    const RVLSharedHandle<ZALMPBody> childBody = AddLink(*child, childPlacement);
    AddJoint(*joint, level.body, childBody);
    levels.push_back({child.get(), childPlacement, childBody});
  }
}

RVLSharedHandle<ZALMPBody> ZALMPUrdfImporter::AddLink(const urdf::Link& link, const ZALMathTransformation& placement)
{
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(Wide(link.name));
  File<ZALMPBody>(body);
  body->SetPosition(placement, 0);
  if (const urdf::InertialSharedPtr& inertial = link.inertial) {
    // URDF gives the inertia in the frame of the inertial origin; the body
    // holds it in its own axes, about the centre of gravity.
    const ZALMath3x3Matrix rotation = ZALMPUrdfPose::ToMatrix(inertial->origin.rotation);
    const ZALMath3x3Matrix inertia({inertial->ixx, inertial->ixy, inertial->ixz},
                                   {inertial->ixy, inertial->iyy, inertial->iyz},
                                   {inertial->ixz, inertial->iyz, inertial->izz});
    const urdf::Vector3& center = inertial->origin.position;
    body->SetMass(inertial->mass);
    body->SetCenterOfGravity(ZALMathPoint(center.x, center.y, center.z));
    body->SetInertiaMatrix(rotation * inertia * rotation.Transposed());
  }
  AddShapes(body, link);
  return body;
}

void ZALMPUrdfImporter::AddShapes(const RVLSharedHandle<ZALMPBody>& body, const urdf::Link& link)
{
  int number = 0;
  for (const urdf::VisualSharedPtr& visual : link.visual_array) {
    ++number;
    const urdf::Material* material = visual->material.get();
    if (material && !material->texture_filename.empty())
      Warn("link", link.name, "visual " + std::to_string(number) + ": the texture \"" + material->texture_filename +
                                  "\" is not kept");
    if (material && !material->name.empty())
      Warn("link", link.name, "visual " + std::to_string(number) + ": the material name \"" + material->name +
                                  "\" is not kept (its colour is)");
    if (!visual->name.empty())
      Warn("link", link.name, "visual " + std::to_string(number) + ": its name \"" + visual->name + "\" is not kept");
    AddShape(body, link, false, number, visual->origin, visual->geometry.get(), material);
  }
  number = 0;
  for (const urdf::CollisionSharedPtr& collision : link.collision_array) {
    ++number;
    if (!collision->name.empty())
      Warn("link", link.name,
           "collision " + std::to_string(number) + ": its name \"" + collision->name + "\" is not kept");
    AddShape(body, link, true, number, collision->origin, collision->geometry.get(), nullptr);
  }
}

void ZALMPUrdfImporter::AddShape(const RVLSharedHandle<ZALMPBody>& body, const urdf::Link& link, bool collision,
                                 int number, const urdf::Pose& origin, const urdf::Geometry* geometry,
                                 const urdf::Material* material)
{
  const std::string which = (collision ? "collision " : "visual ") + std::to_string(number);
  std::unique_ptr<ZAL3DRep, ZAL3DRep::Disposer> rep(geometry ? MakeRep(*geometry) : nullptr);
  if (!rep || FAILED(rep->SetPlacement(ZALMPUrdfPose::ToTransformation(origin)))) {
    Warn("link", link.name, which + ": its geometry has no positive size or no file; it is not kept");
    return;
  }
  if (geometry->type == urdf::Geometry::MESH) {
    const urdf::Vector3& scale = static_cast<const urdf::Mesh&>(*geometry).scale;
    if (scale.x != 1.0 || scale.y != 1.0 || scale.z != 1.0)
      Warn("link", link.name, which + ": the mesh scale is not kept");
  }
  if (material) {
    const urdf::Color& colour = material->color;
    rep->SetColour({Byte(colour.r), Byte(colour.g), Byte(colour.b), Byte(colour.a)});
  }
  const RVLSharedHandle<ZALMP3DRep> shape =
      ZALMP3DRep::create(ZALMPUrdfJointKinds::ShapeName(Wide(link.name), collision, number));
  File<ZALMPShape>(shape);
  shape->Set3DRep(rep.release());
  shape->LinkToBody(body);
  body->LinkToShape(shape);
}

void ZALMPUrdfImporter::AddJoint(const urdf::Joint& joint, const RVLSharedHandle<ZALMPBody>& parent,
                                 const RVLSharedHandle<ZALMPBody>& child)
{
  const ZALMPUrdfJointKinds::Row* row = ZALMPUrdfJointKinds::ForUrdf(joint.type);
  WarnOfJointExtras(joint, row && row->limited);
  if (!row) {
    // A floating joint constrains nothing: its child body stays free.
    if (joint.name != ZALMPUrdfJointKinds::FloatingName(joint.child_link_name))
      Warn("joint", joint.name,
           "floating, so body \"" + joint.child_link_name + "\" stays free; the joint's name is not kept");
    return;
  }
  // The joint frame is the child link's frame; its Z axis is turned onto the joint axis.
  ZALMath3x3Matrix toAxis;
  if (MovesAlongAxis(joint.type)) {
    ZALMathVector axis = ZALMPUrdfPose::ToVector(joint.axis);
    axis.Normalize();
    toAxis = ZAlong(axis);
  }
  const ZALMathTransformation onChild(toAxis);
  const ZALMathTransformation onParent =
      ZALMPUrdfPose::ToTransformation(joint.parent_to_joint_origin_transform) * onChild;
  const std::wstring name = Wide(joint.name);
  const RVLSharedHandle<ZALMPConstraint> constraint =
      Join(*row, name, parent, FrameOf(onParent), child, FrameOf(onChild));
  if (row->quantity == ZALMPPhysicalQuantity::NoPhysicalQuantity) return;

  const RVLSharedHandle<ZALMPVariable> variable =
      ZALMPVariable::create(ZALMPUrdfJointKinds::VariableName(name, row->quantity));
  File<ZALMPVariable>(variable);
  variable->SetPhysicalQuantity(row->quantity);
  variable->SetValue(0.0);  // the bodies are placed with every joint at zero
  if (row->limited && joint.limits) {
    variable->SetMinValue(joint.limits->lower);
    variable->SetMaxValue(joint.limits->upper);
  }
  constraint->LinkToVariable(variable);
  variable->LinkToConstraint(constraint);
}

RVLSharedHandle<ZALMPConstraint> ZALMPUrdfImporter::Join(const ZALMPUrdfJointKinds::Row& row, const std::wstring& name,
                                                        const RVLSharedHandle<ZALMPBody>& parent,
                                                        const ZALMathAxis& parentFrame,
                                                        const RVLSharedHandle<ZALMPBody>& child,
                                                        const ZALMathAxis& childFrame)
{
  const RVLSharedHandle<ZALMPJoint> joint = row.makeJoint(name);
  const RVLSharedHandle<ZALMPConstraint> constraint = row.makeConstraint(ZALMPUrdfJointKinds::ConstraintName(name));
  File<ZALMPJoint>(joint);
  File<ZALMPConstraint>(constraint);
  const struct {
    const RVLSharedHandle<ZALMPBody>& body;
    ZALMPBodyOrientation::Enum orientation;
    std::wstring frameName;
    const ZALMathAxis& frame;
  } sides[] = {{parent, ZALMPBodyOrientation::Out, ZALMPUrdfJointKinds::ParentFrameName(name), parentFrame},
               {child, ZALMPBodyOrientation::In, ZALMPUrdfJointKinds::ChildFrameName(name), childFrame}};
  for (const auto& side : sides) {
    joint->LinkToBody(side.body, side.orientation);
    side.body->LinkToJoint(joint);
    const RVLSharedHandle<ZALMPAxisSystem> frame = ZALMPAxisSystem::create(side.frameName);
    File<ZALMPGeometry>(frame);
    frame->SetAxisSystem(side.frame);
    frame->SetBody(side.body);
    side.body->AddGeometry(frame);
    constraint->LinkToGeometry(frame);
    frame->LinkToConstraint(constraint);
  }
  joint->AddConstraint(constraint);
  constraint->SetJoint(joint);
  return constraint;
}

void ZALMPUrdfImporter::WarnOfJointExtras(const urdf::Joint& joint, bool limited)
{
  if (const urdf::JointLimitsSharedPtr& limits = joint.limits) {
    if (limits->effort != 0.0 || limits->velocity != 0.0)
      Warn("joint", joint.name, "effort and velocity limits are not kept");
    if (!limited && (limits->lower != 0.0 || limits->upper != 0.0))
      Warn("joint", joint.name, "position limits are not kept");
  }
  if (joint.dynamics) Warn("joint", joint.name, "dynamics (damping and friction) are not kept");
  if (joint.mimic) Warn("joint", joint.name, "mimicking joint \"" + joint.mimic->joint_name + "\" is not kept");
  if (joint.calibration) Warn("joint", joint.name, "calibration is not kept");
  if (joint.safety) Warn("joint", joint.name, "the safety controller is not kept");
}

void ZALMPUrdfImporter::Warn(const std::string& what, const std::string& name, const std::string& text)
{
  m_warnings.push_back(what + " \"" + name + "\": " + text);
}

template <class Kind, class T>
void ZALMPUrdfImporter::File(const RVLSharedHandle<T>& entity)
{
  if (m_world->Add<Kind>(RVLSharedHandle<Kind>(entity)) != S_OK) m_filed = false;
}
