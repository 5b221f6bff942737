#include "ZALMPUrdfExporter.h"

#include "ZALMPUrdfPose.h"

#include <ZALMP3DRep.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPEntityKinds.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <ZAL3DBoxRep.h>
#include <ZAL3DCylinderRep.h>
#include <ZAL3DMeshRep.h>
#include <ZAL3DSphereRep.h>
#include <ZALUtf8.h>

#include <cctype>
#include <memory>

namespace {

// The registry an entity is filed under, in words: "joint", "body" ...
std::string KindWord(const ZALMPEntity& entity)
{
  std::string word = entity.getClassName();
  ZALMPEntityKinds::First(entity, [&]<class Kind>(std::type_identity<Kind>) { word = ZALMPKindName<Kind>(); });
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

// The geometry of a scene-graph node; null for a node URDF cannot describe.
urdf::GeometrySharedPtr GeometryOf(const ZAL3DRep& rep)
{
  switch (rep.GetType()) {
    case ZAL3DRepType::Box: {
      auto box = std::make_shared<urdf::Box>();
      static_cast<const ZAL3DBoxRep&>(rep).GetSizes(box->dim.x, box->dim.y, box->dim.z);
      return box;
    }
    case ZAL3DRepType::Cylinder: {
      auto cylinder = std::make_shared<urdf::Cylinder>();
      cylinder->radius = static_cast<const ZAL3DCylinderRep&>(rep).GetRadius();
      cylinder->length = static_cast<const ZAL3DCylinderRep&>(rep).GetHeight();
      return cylinder;
    }
    case ZAL3DRepType::Sphere: {
      auto sphere = std::make_shared<urdf::Sphere>();
      sphere->radius = static_cast<const ZAL3DSphereRep&>(rep).GetRadius();
      return sphere;
    }
    case ZAL3DRepType::Mesh: {
      auto mesh = std::make_shared<urdf::Mesh>();
      mesh->filename = static_cast<const ZAL3DMeshRep&>(rep).GetUri();
      return mesh;
    }
    case ZAL3DRepType::Bag:
      break;
  }
  return nullptr;
}

// The variable of `quantity` that one of the joint's constraints uses.
RVLSharedHandle<ZALMPVariable> VariableOf(const ZALMPJoint& joint, ZALMPPhysicalQuantity::Enum quantity)
{
  for (int c = 0; c < joint.GetConstraintCount(); ++c) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    if (FAILED(joint.GetConstraint(c, constraint)) || !constraint) continue;
    for (int v = 0; v < constraint->GetLinkedVariableCount(); ++v) {
      RVLSharedHandle<ZALMPVariable> variable;
      if (SUCCEEDED(constraint->GetLinkedVariable(v, variable)) && variable &&
          variable->GetPhysicalQuantity() == quantity)
        return variable;
    }
  }
  return {};
}

}  // namespace

std::string ZALMPUrdfExporter::Build(urdf::ModelInterface& model)
{
  RVLSharedHandle<ZALMPAxisSystem> globalFrame;
  RVLSharedHandle<ZALMPVariable> time;
  m_world.GetGlobalBody(m_global);
  m_world.GetGlobalAxisSystem(globalFrame);
  m_world.GetGlobalTime(time);
  Keep(m_global.get());
  Keep(globalFrame.get());
  Keep(time.get());

  std::vector<RVLSharedHandle<ZALMPBody>> bodies;
  for (int i = 0; i < m_world.Count<ZALMPBody>(); ++i) {
    RVLSharedHandle<ZALMPBody> body;
    if (m_world.Get<ZALMPBody>(i, body) == S_OK && body && !(body == m_global)) bodies.push_back(body);
  }
  if (bodies.empty()) return "the world has no body to make a link of";
  model.name_ = "model";
  for (const RVLSharedHandle<ZALMPBody>& body : bodies) AddLink(model, body);

  // The tree, joint by joint: a joint whose child already hangs from the
  // tree, or is above its parent, would close a loop.
  std::map<const ZALMPBody*, const ZALMPBody*> parentOf;
  const auto isAbove = [&parentOf](const ZALMPBody* upper, const ZALMPBody* lower) {
    while (lower && lower != upper) {
      const auto up = parentOf.find(lower);
      lower = up == parentOf.end() ? nullptr : up->second;
    }
    return lower != nullptr;
  };
  std::vector<Edge> bases;  // rigid joints to the global body
  for (int i = 0; i < m_world.Count<ZALMPJoint>(); ++i) {
    RVLSharedHandle<ZALMPJoint> joint;
    Edge edge;
    if (m_world.Get<ZALMPJoint>(i, joint) != S_OK || !joint || !MakeEdge(joint, edge)) continue;
    if (edge.parent == m_global || edge.child == m_global) {
      if (edge.row->urdfType == urdf::Joint::FIXED && bases.empty())
        bases.push_back(edge);
      else
        Warn(*joint, "URDF has no joint to the world but one fixed base; it is left out");
      continue;
    }
    if (parentOf.count(edge.child.get()) || isAbove(edge.child.get(), edge.parent.get())) {
      Warn(*joint, "it closes a loop and URDF holds a tree; it is left out");
      continue;
    }
    parentOf[edge.child.get()] = edge.parent.get();
    AddJoint(model, edge);
  }

  // A body fixed to the global body is the root link: the fixed base is not a
  // URDF joint, and importing the document with a fixed base makes it again.
  const ZALMPBody* root = nullptr;
  if (!bases.empty()) {
    const Edge& base = bases.front();
    root = (base.parent == m_global ? base.child : base.parent).get();
    if (parentOf.count(root)) {
      Warn(*base.joint, "its body also hangs from another joint, so the fixed base would close a loop; it is left out");
      root = nullptr;
    }
  }
  for (const RVLSharedHandle<ZALMPBody>& body : bodies)
    if (!root && !parentOf.count(body.get())) root = body.get();
  ZALMathTransformation rootPlacement;
  root->GetPosition(rootPlacement);
  if (!rootPlacement.IsIdentity()) Warn(*root, "its placement in the world is not kept: the root link is the origin");
  for (const RVLSharedHandle<ZALMPBody>& body : bodies)
    if (body.get() != root && !parentOf.count(body.get())) AddFloating(model, *root, *body);
  WarnOfTheRest();
  return {};
}

void ZALMPUrdfExporter::AddLink(urdf::ModelInterface& model, const RVLSharedHandle<ZALMPBody>& body)
{
  auto link = std::make_shared<urdf::Link>();
  link->name = UniqueName(*body, m_linkNames);
  m_links[body.get()] = link->name;
  Keep(body.get());
  double mass = 0.0;
  ZALMathPoint center;
  ZALMath3x3Matrix inertia;
  body->GetMass(mass);
  body->GetCenterOfGravity(center);
  body->GetInertiaMatrix(inertia);
  // A body with the mass properties of a new one has no inertial element
  // (so a link without one comes back without one); the inertia is about the
  // centre of gravity, in the body's axes.
  if (mass != 0.0 || center != ZALMathPoint() || inertia != ZALMath3x3Matrix()) {
    auto inertial = std::make_shared<urdf::Inertial>();
    inertial->mass = mass;
    inertial->origin.position = urdf::Vector3(center.GetX(), center.GetY(), center.GetZ());
    const ZALMathVector first = inertia.GetFirstColumn(), second = inertia.GetSecondColumn(),
                        third = inertia.GetThirdColumn();
    inertial->ixx = first.GetX();
    inertial->ixy = second.GetX();
    inertial->ixz = third.GetX();
    inertial->iyy = second.GetY();
    inertial->iyz = third.GetY();
    inertial->izz = third.GetZ();
    link->inertial = inertial;
  }
  AddShapes(*link, *body);
  model.links_[link->name] = link;
}

void ZALMPUrdfExporter::AddShapes(urdf::Link& link, const ZALMPBody& body)
{
  for (int i = 0; i < body.GetLinkedShapeCount(); ++i) {
    RVLSharedHandle<ZALMPShape> shape;
    if (FAILED(body.GetLinkedShape(i, shape)) || !shape || !shape->isDerivedFrom(ZALMP3DRep::ClassInfo())) continue;
    const ZAL3DRep* rep = RVLSharedHandle<ZALMP3DRep>(shape)->Get3DRep();
    const urdf::GeometrySharedPtr geometry = rep ? GeometryOf(*rep) : nullptr;
    if (!geometry) continue;  // named with the rest
    Keep(shape.get());
    const std::wstring name = shape->getEntityName();
    if (ZALMPUrdfJointKinds::IsCollisionName(name)) {
      auto collision = std::make_shared<urdf::Collision>();
      collision->origin = ZALMPUrdfPose::ToPose(rep->GetPlacement());
      collision->geometry = geometry;
      link.collision_array.push_back(collision);
      if (rep->GetColour() != ZAL3DColour{})
        Warn(*shape, "URDF collision geometry has no colour; its colour is not kept");
      continue;
    }
    auto visual = std::make_shared<urdf::Visual>();
    visual->origin = ZALMPUrdfPose::ToPose(rep->GetPlacement());
    visual->geometry = geometry;
    if (const ZAL3DColour colour = rep->GetColour(); colour != ZAL3DColour{}) {
      visual->material = std::make_shared<urdf::Material>();
      visual->material->name = visual->material_name = ZALWideToUtf8(name);
      visual->material->color.r = colour.red / 255.0f;
      visual->material->color.g = colour.green / 255.0f;
      visual->material->color.b = colour.blue / 255.0f;
      visual->material->color.a = colour.alpha / 255.0f;
    }
    link.visual_array.push_back(visual);
  }
  if (!link.visual_array.empty()) link.visual = link.visual_array.front();
  if (!link.collision_array.empty()) link.collision = link.collision_array.front();
}

bool ZALMPUrdfExporter::MakeEdge(const RVLSharedHandle<ZALMPJoint>& joint, Edge& edge)
{
  // What realises the joint goes with it, written or not; a joint left out is named on its own.
  Keep(joint.get());
  for (int c = 0; c < joint->GetConstraintCount(); ++c) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    if (FAILED(joint->GetConstraint(c, constraint)) || !constraint) continue;
    Keep(constraint.get());
    for (int g = 0; g < constraint->GetLinkedGeometryCount(); ++g) {
      RVLSharedHandle<ZALMPGeometry> geometry;
      if (SUCCEEDED(constraint->GetLinkedGeometry(g, geometry))) Keep(geometry.get());
    }
    for (int v = 0; v < constraint->GetLinkedVariableCount(); ++v) {
      RVLSharedHandle<ZALMPVariable> variable;
      if (SUCCEEDED(constraint->GetLinkedVariable(v, variable))) Keep(variable.get());
    }
  }
  edge.joint = joint;
  edge.row = ZALMPUrdfJointKinds::ForJoint(*joint);
  if (!edge.row) {
    Warn(*joint, std::string("URDF has no joint like a ") + joint->getClassName() + "; it is left out");
    return false;
  }
  ZALMPBodyOrientation::Enum first = ZALMPBodyOrientation::Out, second = ZALMPBodyOrientation::In;
  if (joint->GetLinkedBodyCount() != 2 || FAILED(joint->GetLinkedBody(0, edge.parent, first)) ||
      FAILED(joint->GetLinkedBody(1, edge.child, second)) || !edge.parent || !edge.child) {
    Warn(*joint, "it does not join two bodies; it is left out");
    return false;
  }
  // The Out body is the parent link.
  if (first == ZALMPBodyOrientation::In && second == ZALMPBodyOrientation::Out) std::swap(edge.parent, edge.child);
  const RVLSharedHandle<ZALMPAxisSystem> parentFrame = FrameOn(*joint, *edge.parent);
  const RVLSharedHandle<ZALMPAxisSystem> childFrame = FrameOn(*joint, *edge.child);
  ZALMathAxis parentAxes, childAxes;
  if (parentFrame) parentFrame->GetAxisSystem(parentAxes);
  if (childFrame) childFrame->GetAxisSystem(childAxes);
  if (!parentFrame || !childFrame || FAILED(edge.parentFrame.SetFromAxisToOIJK(parentAxes)) ||
      FAILED(edge.childFrame.SetFromAxisToOIJK(childAxes))) {
    Warn(*joint, "it has no axis system on each of its bodies to place it; it is left out");
    return false;
  }
  return true;
}

RVLSharedHandle<ZALMPAxisSystem> ZALMPUrdfExporter::FrameOn(const ZALMPJoint& joint, const ZALMPBody& body)
{
  for (int c = 0; c < joint.GetConstraintCount(); ++c) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    if (FAILED(joint.GetConstraint(c, constraint)) || !constraint) continue;
    for (int g = 0; g < constraint->GetLinkedGeometryCount(); ++g) {
      RVLSharedHandle<ZALMPGeometry> geometry;
      RVLSharedHandle<ZALMPBody> carrier;
      if (FAILED(constraint->GetLinkedGeometry(g, geometry)) || !geometry || FAILED(geometry->GetBody(carrier)) ||
          carrier.get() != &body || !geometry->isDerivedFrom(ZALMPAxisSystem::ClassInfo()))
        continue;
      return RVLSharedHandle<ZALMPAxisSystem>(geometry);
    }
  }
  return {};
}

void ZALMPUrdfExporter::AddJoint(urdf::ModelInterface& model, const Edge& edge)
{
  auto joint = std::make_shared<urdf::Joint>();
  joint->name = UniqueName(*edge.joint, m_jointNames);
  joint->parent_link_name = m_links.at(edge.parent.get());
  joint->child_link_name = m_links.at(edge.child.get());
  // The child link's frame is the joint frame: the child's axis system seen from the parent's.
  joint->parent_to_joint_origin_transform = ZALMPUrdfPose::ToPose(edge.parentFrame * edge.childFrame.Inverse());
  ZALMathVector axis = edge.childFrame.GetMatrix().GetThirdColumn();
  axis.Normalize();
  joint->axis = ZALMPUrdfPose::ToUrdf(axis);

  const ZALMPUrdfJointKinds::Row* row = edge.row;
  const RVLSharedHandle<ZALMPVariable> variable = VariableOf(*edge.joint, row->quantity);
  const bool hasLimits = variable && (variable->HasMinValue() || variable->HasMaxValue());
  if (row->urdfType == urdf::Joint::REVOLUTE && !hasLimits) row = &ZALMPUrdfJointKinds::Continuous();
  joint->type = static_cast<decltype(joint->type)>(row->urdfType);
  if (row->limited) {
    joint->limits = std::make_shared<urdf::JointLimits>();
    if (hasLimits) {
      variable->GetMinValue(joint->limits->lower);
      variable->GetMaxValue(joint->limits->upper);
    } else {
      Warn(*edge.joint, "it has no limits, which URDF needs for a prismatic joint; written as 0 0");
    }
  }
  model.joints_[joint->name] = joint;
}

void ZALMPUrdfExporter::AddFloating(urdf::ModelInterface& model, const ZALMPBody& root, const ZALMPBody& child)
{
  ZALMathTransformation rootPlacement, childPlacement;
  root.GetPosition(rootPlacement);
  child.GetPosition(childPlacement);
  auto joint = std::make_shared<urdf::Joint>();
  joint->name = ZALMPUrdfJointKinds::FloatingName(m_links.at(&child));
  m_jointNames.insert(joint->name);
  joint->type = urdf::Joint::FLOATING;
  joint->parent_link_name = m_links.at(&root);
  joint->child_link_name = m_links.at(&child);
  joint->parent_to_joint_origin_transform = ZALMPUrdfPose::ToPose(rootPlacement.Inverse() * childPlacement);
  model.joints_[joint->name] = joint;
}

std::string ZALMPUrdfExporter::UniqueName(const ZALMPEntity& entity, std::set<std::string>& taken)
{
  const std::string own = ZALWideToUtf8(entity.getEntityName());
  const std::string stem = own.empty() ? KindWord(entity) : own;
  std::string name = stem;
  for (int suffix = 2; taken.count(name); ++suffix) name = stem + "_" + std::to_string(suffix);
  if (name != own) Warn(entity, "its name is empty or taken; written as \"" + name + "\"");
  taken.insert(name);
  return name;
}

void ZALMPUrdfExporter::Warn(const ZALMPEntity& entity, const std::string& text)
{
  m_warnings.push_back(KindWord(entity) + " \"" + ZALWideToUtf8(entity.getEntityName()) + "\": " + text);
  Keep(&entity);
}

void ZALMPUrdfExporter::WarnOfTheRest()
{
  ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
    for (int i = 0; i < m_world.Count<Kind>(); ++i) {
      RVLSharedHandle<Kind> entity;
      if (m_world.Get<Kind>(i, entity) == S_OK && entity && !m_kept.count(entity.get()))
        Warn(*entity, "URDF has no place for it; it is left out");
    }
  });
}
