#include "ZALMPUrdfText.h"

#include "ZALMPUrdfPose.h"

#include <urdf_parser/urdf_parser.h>

#include <charconv>
#include <initializer_list>
#include <memory>

namespace {

// Sets `attribute` of `element` (when there is one) to `values` in the
// shortest text that reads back to the same doubles.
void SetNumbers(TiXmlElement* element, const char* attribute, std::initializer_list<double> values)
{
  if (!element) return;
  std::string text;
  for (const double value : values) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text += (text.empty() ? "" : " ") + std::string(buffer, end);
  }
  element->SetAttribute(attribute, text.c_str());
}

void SetPose(TiXmlElement* parent, const urdf::Pose& pose)
{
  TiXmlElement* origin = parent ? parent->FirstChildElement("origin") : nullptr;
  const auto [roll, pitch, yaw] = ZALMPUrdfPose::Rpy(pose.rotation);
  SetNumbers(origin, "xyz", {pose.position.x, pose.position.y, pose.position.z});
  SetNumbers(origin, "rpy", {roll, pitch, yaw});
}

void SetGeometry(TiXmlElement* parent, const urdf::Geometry& geometry)
{
  TiXmlElement* shape = parent->FirstChildElement("geometry");
  shape = shape ? shape->FirstChildElement() : nullptr;
  switch (geometry.type) {
    case urdf::Geometry::BOX: {
      const urdf::Vector3& size = static_cast<const urdf::Box&>(geometry).dim;
      SetNumbers(shape, "size", {size.x, size.y, size.z});
      break;
    }
    case urdf::Geometry::CYLINDER:
      SetNumbers(shape, "radius", {static_cast<const urdf::Cylinder&>(geometry).radius});
      SetNumbers(shape, "length", {static_cast<const urdf::Cylinder&>(geometry).length});
      break;
    case urdf::Geometry::SPHERE:
      SetNumbers(shape, "radius", {static_cast<const urdf::Sphere&>(geometry).radius});
      break;
    case urdf::Geometry::MESH:
      break;
  }
}

// The visual or collision elements of a link, in the order of `items`.
template <class Item>
void SetItems(TiXmlElement* link, const char* tag, const std::vector<std::shared_ptr<Item>>& items)
{
  auto item = items.begin();
  for (TiXmlElement* element = link->FirstChildElement(tag); element && item != items.end();
       element = element->NextSiblingElement(tag), ++item) {
    SetPose(element, (*item)->origin);
    if ((*item)->geometry) SetGeometry(element, *(*item)->geometry);
  }
}

void SetLink(TiXmlElement* element, const urdf::Link& link)
{
  if (const urdf::InertialSharedPtr& inertial = link.inertial) {
    TiXmlElement* in = element->FirstChildElement("inertial");
    if (in) {
      SetNumbers(in->FirstChildElement("mass"), "value", {inertial->mass});
      SetPose(in, inertial->origin);
      TiXmlElement* inertia = in->FirstChildElement("inertia");
      SetNumbers(inertia, "ixx", {inertial->ixx});
      SetNumbers(inertia, "ixy", {inertial->ixy});
      SetNumbers(inertia, "ixz", {inertial->ixz});
      SetNumbers(inertia, "iyy", {inertial->iyy});
      SetNumbers(inertia, "iyz", {inertial->iyz});
      SetNumbers(inertia, "izz", {inertial->izz});
    }
  }
  SetItems(element, "visual", link.visual_array);
  SetItems(element, "collision", link.collision_array);
}

void SetJoint(TiXmlElement* element, const urdf::Joint& joint)
{
  SetPose(element, joint.parent_to_joint_origin_transform);
  SetNumbers(element->FirstChildElement("axis"), "xyz", {joint.axis.x, joint.axis.y, joint.axis.z});
  if (joint.limits) {
    SetNumbers(element->FirstChildElement("limit"), "lower", {joint.limits->lower});
    SetNumbers(element->FirstChildElement("limit"), "upper", {joint.limits->upper});
  }
}

std::string NameOf(const TiXmlElement& element)
{
  const char* const name = element.Attribute("name");
  return name ? name : "";
}

}  // namespace

std::string ZALMPUrdfText::Print(const urdf::ModelInterface& model)
{
  const std::unique_ptr<TiXmlDocument> document(urdf::exportURDF(model));
  TiXmlElement* robot = document ? document->RootElement() : nullptr;
  if (!robot) return {};
  for (TiXmlElement* element = robot->FirstChildElement("link"); element; element = element->NextSiblingElement("link"))
    if (const urdf::LinkConstSharedPtr link = model.getLink(NameOf(*element))) SetLink(element, *link);
  for (TiXmlElement* element = robot->FirstChildElement("joint"); element;
       element = element->NextSiblingElement("joint"))
    if (const urdf::JointConstSharedPtr joint = model.getJoint(NameOf(*element))) SetJoint(element, *joint);
  TiXmlPrinter printer;
  document->Accept(&printer);
  return printer.CStr();
}
