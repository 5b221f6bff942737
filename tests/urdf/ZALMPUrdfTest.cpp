// URDF robots in and out of worlds, checked against what urdfdom itself reads
// from the same text.

#include <ZALMPUrdf.h>
#include <ZALMPXml.h>

#include <ZALMPDemoMechanism.h>

#include <ZALMP3DRep.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPJoint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>
#include <ZALMathAxis.h>
#include <ZALUtf8.h>

#include <urdf_parser/urdf_parser.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kTolerance = 1e-9;

// base -> arm through `type` (rotated origin, slanted axis), arm -> tip through a
// revolute elbow (rotated origin). The arm's inertial origin is rotated too; the
// tip's name looks like a collision shape's, but its sphere is to look at.
std::string Robot(const std::string& type, const std::string& joint = "shoulder")
{
  const std::string limit = type == "revolute" || type == "prismatic"
                                ? "<limit lower=\"-0.5\" upper=\"1.25\" effort=\"0\" velocity=\"0\"/>"
                                : "";
  return "<robot name=\"arm\"><link name=\"base\"><visual><origin xyz=\"0 0 0.05\"/><geometry><box size=\"0.4 0.3 "
         "0.1\"/></geometry><material name=\"grey\"><color rgba=\"0.5 0.5 0.5 1\"/></material></visual></link>"
         "<link name=\"arm\"><inertial><origin xyz=\"0.1 0.02 -0.03\" rpy=\"0.2 0.4 -0.3\"/><mass value=\"2.5\"/>"
         "<inertia ixx=\"0.3\" ixy=\"0.01\" ixz=\"-0.02\" iyy=\"0.2\" iyz=\"0.03\" izz=\"0.1\"/></inertial>"
         "<collision><origin xyz=\"0.1 0 0\" rpy=\"0 1.5707963267948966 0\"/><geometry><cylinder radius=\"0.05\" "
         "length=\"0.4\"/></geometry></collision></link><link name=\"tip.collision_guard\"><inertial><mass value=\"0\"/>"
         "<inertia ixx=\"0\" ixy=\"0\" ixz=\"0\" iyy=\"0\" iyz=\"0\" izz=\"0\"/></inertial><visual><geometry>"
         "<sphere radius=\"0.04\"/></geometry></visual><collision><geometry><mesh filename=\"package://arm/tip.stl\"/>"
         "</geometry></collision></link><joint name=\"" + joint + "\" type=\"" + type + "\"><parent link=\"base\"/>"
         "<child link=\"arm\"/><origin xyz=\"0.1 0.2 0.3\" rpy=\"0.3 -0.2 0.5\"/><axis xyz=\"0 0.6 0.8\"/>" + limit +
         "</joint><joint name=\"elbow\" type=\"revolute\"><parent link=\"arm\"/><child link=\"tip.collision_guard\"/><origin "
         "xyz=\"0.4 0 0.1\" rpy=\"0 0.7 -0.4\"/><axis xyz=\"1 0 0\"/><limit lower=\"-1\" upper=\"1\" effort=\"0\" "
         "velocity=\"0\"/></joint></robot>";
}

template <class Kind>
RVLSharedHandle<Kind> Named(const ZALMPWorld& world, const std::string& name)
{
  for (int i = 0; i < world.Count<Kind>(); ++i) {
    RVLSharedHandle<Kind> entity;
    if (world.Get<Kind>(i, entity) == S_OK && ZALWideToUtf8(entity->getEntityName()) == name) return entity;
  }
  return {};
}

void ExpectNear(const urdf::Vector3& expected, const ZALMathVector& actual, const std::string& what)
{
  EXPECT_NEAR(expected.x, actual.GetX(), kTolerance) << what;
  EXPECT_NEAR(expected.y, actual.GetY(), kTolerance) << what;
  EXPECT_NEAR(expected.z, actual.GetZ(), kTolerance) << what;
}

urdf::Vector3 Unit(const urdf::Vector3& v)
{
  const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / length, v.y / length, v.z / length};
}

const urdf::Vector3 kAxes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

// Both poses carry the same point and the same directions.
void ExpectSamePose(const urdf::Pose& expected, const urdf::Pose& actual, const std::string& what)
{
  ExpectNear(expected.position, {actual.position.x, actual.position.y, actual.position.z}, what + " position");
  for (const urdf::Vector3& axis : kAxes) {
    const urdf::Vector3 image = actual.rotation * axis;
    ExpectNear(expected.rotation * axis, {image.x, image.y, image.z}, what + " rotation");
  }
}

// The pose of a link in the root's frame, composed from urdfdom's joint origins.
urdf::Pose PoseOf(const urdf::ModelInterface& robot, const std::string& link)
{
  const urdf::JointSharedPtr joint = robot.getLink(link)->parent_joint;
  if (!joint) return {};
  urdf::Pose parent = PoseOf(robot, joint->parent_link_name);
  urdf::Pose pose;
  pose.position = parent.position + parent.rotation * joint->parent_to_joint_origin_transform.position;
  pose.rotation = parent.rotation * joint->parent_to_joint_origin_transform.rotation;
  return pose;
}

void ExpectBody(const ZALMPWorld& world, const urdf::ModelInterface& robot, const urdf::Link& link)
{
  const RVLSharedHandle<ZALMPBody> body = Named<ZALMPBody>(world, link.name);
  ASSERT_TRUE(body) << link.name;
  ZALMathTransformation placement;
  body->GetPosition(placement);
  const urdf::Pose pose = PoseOf(robot, link.name);
  ExpectNear(pose.position, placement.GetVector(), link.name + " placement");
  for (const urdf::Vector3& axis : kAxes)
    ExpectNear(pose.rotation * axis, placement * ZALMathVector(axis.x, axis.y, axis.z), link.name + " orientation");
  if (!link.inertial) return;
  const urdf::Inertial& in = *link.inertial;
  double mass = 0.0;
  ZALMathPoint center;
  ZALMath3x3Matrix inertia;
  body->GetMass(mass);
  body->GetCenterOfGravity(center);
  body->GetInertiaMatrix(inertia);
  EXPECT_NEAR(in.mass, mass, kTolerance) << link.name;
  ExpectNear(in.origin.position, center - ZALMathPoint(), link.name + " centre of gravity");
  // In the body's axes: turn into the inertial frame, apply, turn back.
  for (const urdf::Vector3& axis : kAxes) {
    const urdf::Vector3 v = in.origin.rotation.GetInverse() * axis;
    const urdf::Vector3 applied(in.ixx * v.x + in.ixy * v.y + in.ixz * v.z, in.ixy * v.x + in.iyy * v.y + in.iyz * v.z,
                                in.ixz * v.x + in.iyz * v.y + in.izz * v.z);
    ExpectNear(in.origin.rotation * applied, inertia * ZALMathVector(axis.x, axis.y, axis.z), link.name + " inertia");
  }
}

// The joint's kind, its frames (Z along the axis, on the parent at the joint
// origin, on the child at its origin) and its limits.
void ExpectJoint(const ZALMPWorld& world, const urdf::Joint& expected, const char* kind)
{
  const RVLSharedHandle<ZALMPJoint> joint = Named<ZALMPJoint>(world, expected.name);
  ASSERT_TRUE(joint) << expected.name;
  EXPECT_STREQ(kind, joint->getClassName());
  RVLSharedHandle<ZALMPConstraint> constraint;
  ASSERT_EQ(S_OK, joint->GetConstraint(0, constraint));
  ASSERT_EQ(2, constraint->GetLinkedGeometryCount());
  const urdf::Pose& origin = expected.parent_to_joint_origin_transform;
  const urdf::Vector3 axis = expected.type == urdf::Joint::FIXED ? urdf::Vector3(0, 0, 1) : Unit(expected.axis);
  const urdf::Vector3 placed[] = {origin.position, {}};
  const urdf::Vector3 along[] = {origin.rotation * axis, axis};
  const std::string links[] = {expected.parent_link_name, expected.child_link_name};
  for (int side = 0; side < 2; ++side) {
    RVLSharedHandle<ZALMPGeometry> geometry;
    RVLSharedHandle<ZALMPBody> body;
    constraint->GetLinkedGeometry(side, geometry);
    geometry->GetBody(body);
    EXPECT_EQ(links[side], ZALWideToUtf8(body->getEntityName())) << expected.name;
    ZALMathAxis frame;
    RVLSharedHandle<ZALMPAxisSystem>(geometry)->GetAxisSystem(frame);
    ExpectNear(placed[side], frame.GetOrigin() - ZALMathPoint(), expected.name + " frame origin");
    ExpectNear(along[side], frame.GetThirdDirection(), expected.name + " frame Z");
  }
  RVLSharedHandle<ZALMPVariable> variable;
  const bool limited = expected.type == urdf::Joint::REVOLUTE || expected.type == urdf::Joint::PRISMATIC;
  if (FAILED(constraint->GetLinkedVariable(0, variable))) return;
  double lower = 0.0, upper = 0.0;
  variable->GetMinValue(lower);
  variable->GetMaxValue(upper);
  EXPECT_EQ(limited, variable->HasMinValue() && variable->HasMaxValue()) << expected.name;
  EXPECT_EQ(limited ? expected.limits->lower : 0.0, lower) << expected.name;
  EXPECT_EQ(limited ? expected.limits->upper : 0.0, upper) << expected.name;
}

// urdfdom reads the same tree from both texts.
void ExpectSameTree(const urdf::ModelInterface& expected, const urdf::ModelInterface& actual)
{
  ASSERT_EQ(expected.links_.size(), actual.links_.size());
  for (const auto& [name, link] : expected.links_) {
    ASSERT_TRUE(actual.getLink(name)) << name;
    EXPECT_EQ(bool(link->inertial), bool(actual.getLink(name)->inertial)) << name;
    EXPECT_EQ(link->visual_array.size(), actual.getLink(name)->visual_array.size()) << name;
    EXPECT_EQ(link->collision_array.size(), actual.getLink(name)->collision_array.size()) << name;
  }
  ASSERT_EQ(expected.joints_.size(), actual.joints_.size());
  for (const auto& [name, joint] : expected.joints_) {
    const urdf::JointConstSharedPtr back = actual.getJoint(name);
    ASSERT_TRUE(back) << name;
    EXPECT_EQ(joint->type, back->type) << name;
    EXPECT_EQ(joint->parent_link_name, back->parent_link_name) << name;
    EXPECT_EQ(joint->child_link_name, back->child_link_name) << name;
    ExpectSamePose(joint->parent_to_joint_origin_transform, back->parent_to_joint_origin_transform, name);
    if (joint->type == urdf::Joint::FIXED || joint->type == urdf::Joint::FLOATING) continue;
    const urdf::Vector3 axis = Unit(back->axis);
    ExpectNear(Unit(joint->axis), {axis.x, axis.y, axis.z}, name + " axis");
    ASSERT_EQ(bool(joint->limits) && joint->type != urdf::Joint::CONTINUOUS, bool(back->limits)) << name;
    if (!back->limits) continue;
    EXPECT_EQ(joint->limits->lower, back->limits->lower) << name;
    EXPECT_EQ(joint->limits->upper, back->limits->upper) << name;
  }
}

struct JointCase {
  const char* type;
  const char* kind;  // null: no joint
};

class UrdfRoundTrip : public ::testing::TestWithParam<JointCase> {};

TEST_P(UrdfRoundTrip, ImportKeepsWhatUrdfdomReadsAndExportGivesTheSameTreeBack)
{
  const JointCase& param = GetParam();
  // A floating joint is no joint of the model: the name it gets back is the one its child gives it.
  const std::string text = Robot(param.type, param.kind ? "shoulder" : "arm.floating");
  const urdf::ModelInterfaceSharedPtr robot = urdf::parseURDF(text);
  ASSERT_TRUE(robot);
  ZALMPXmlModel model;
  const ZALMPUrdfResult imported = ZALMPUrdf::Import(text, model);
  ASSERT_TRUE(imported) << imported.message;

  for (const auto& [name, link] : robot->links_) ExpectBody(*model.world, *robot, *link);
  ExpectJoint(*model.world, *robot->getJoint("elbow"), "ZALMPRevolute");
  if (param.kind)
    ExpectJoint(*model.world, *robot->getJoint("shoulder"), param.kind);
  else
    EXPECT_FALSE(Named<ZALMPJoint>(*model.world, "arm.floating"));
  EXPECT_TRUE(Named<ZALMPShape>(*model.world, "arm.collision1"));
  EXPECT_EQ(param.kind ? 4 : 2, model.world->Count<ZALMPGeometry>() - 1) << "two frames a joint, beside the global one";

  std::string exported;
  const ZALMPUrdfResult written = ZALMPUrdf::Export(*model.world, exported);
  ASSERT_TRUE(written) << written.message;
  EXPECT_EQ(std::vector<std::string>{}, written.warnings);
  const urdf::ModelInterfaceSharedPtr back = urdf::parseURDF(exported);
  ASSERT_TRUE(back) << exported;
  ExpectSameTree(*robot, *back);
}

INSTANTIATE_TEST_SUITE_P(EachJointType, UrdfRoundTrip,
                         ::testing::Values(JointCase{"revolute", "ZALMPRevolute"},
                                           JointCase{"continuous", "ZALMPRevolute"},
                                           JointCase{"prismatic", "ZALMPPrismatic"}, JointCase{"fixed", "ZALMPRigid"},
                                           JointCase{"planar", "ZALMPPlanar"}, JointCase{"floating", nullptr}),
                         [](const auto& info) { return std::string(info.param.type); });

TEST(Urdf, MalformedDocumentsAreErrorsWithTheParsersWordsAndGiveNoWorld)
{
  const std::string link = "<link name=\"a\"/><link name=\"b\"/>";
  const std::string ab = "<joint name=\"ab\" type=\"fixed\"><parent link=\"a\"/><child link=\"b\"/></joint>";
  const struct {
    std::string text;
    const char* said;
  } cases[] = {
      {"<robot name=\"r\">\n<link name=\"a\">", "malformed XML at line 2, column 15: Start-end tags mismatch"},
      {"<robot name=\"r\"><link name=\"a\"><inertial><mass value=\"heavy\"/></inertial></link></robot>",
       "mass [heavy] is not a float"},
      {"<robot name=\"r\">" + link +
           "<joint name=\"j\" type=\"fixed\"><parent link=\"a\"/><child link=\"c\"/></joint></robot>",
       "child link [c] of joint [j] not found"},
      {"<robot name=\"r\">" + link + "</robot>", "Two root links found"},
      {"<robot name=\"r\"><link name=\"r\"/>" + link + ab +
           "<joint name=\"ra\" type=\"fixed\"><parent link=\"r\"/><child link=\"a\"/></joint><joint name=\"ba\" "
           "type=\"fixed\"><parent link=\"b\"/><child link=\"a\"/></joint></robot>",
       "the joints form a loop"},
      {"<robot name=\"r\">" + link + ab +
           "<joint name=\"ba\" type=\"fixed\"><parent link=\"b\"/><child link=\"a\"/></joint></robot>",
       "is its own ancestor"},
      {"<robot name=\"r\">" + link +
           "<joint name=\"bb\" type=\"fixed\"><parent link=\"b\"/><child link=\"b\"/></joint></robot>",
       "link \"b\" is its own ancestor"},
      {"<robot name=\"r\">" + link +
           "<joint name=\"ab\" type=\"revolute\"><parent link=\"a\"/><child link=\"b\"/><axis xyz=\"0 0 0\"/>"
           "<limit effort=\"0\" velocity=\"0\"/></joint></robot>",
       "axis of zero length"},
  };
  for (const auto& each : cases) {
    ZALMPXmlModel model;
    const ZALMPUrdfResult result = ZALMPUrdf::Import(each.text, model);
    EXPECT_FALSE(result) << each.text;
    EXPECT_NE(std::string::npos, result.message.find(each.said)) << result.message;
    EXPECT_FALSE(model.world) << each.text;
  }
  ZALMPXmlModel model;
  EXPECT_FALSE(ZALMPUrdf::Load("/nonexistent/robot.urdf", model));
}

TEST(Urdf, WhatTheModelHasNoPlaceForIsNamed)
{
  const std::string text =
      "<robot name=\"r\"><link name=\"a\"><visual name=\"look\"><geometry><mesh filename=\"a.stl\" scale=\"2 2 "
      "2\"/></geometry><material name=\"skin\"><texture filename=\"skin.png\"/></material></visual></link><link "
      "name=\"b\"/><link name=\"c\"/><joint name=\"ab\" type=\"revolute\"><parent link=\"a\"/><child "
      "link=\"b\"/><limit lower=\"-1\" upper=\"1\" effort=\"10\" velocity=\"2\"/><dynamics damping=\"0.1\"/>"
      "<calibration rising=\"0.5\"/><safety_controller k_velocity=\"1\"/></joint><joint name=\"bc\" "
      "type=\"continuous\"><parent link=\"b\"/><child link=\"c\"/><mimic joint=\"ab\"/></joint></robot>";
  ZALMPXmlModel model;
  const ZALMPUrdfResult result = ZALMPUrdf::Import(text, model);
  ASSERT_TRUE(result) << result.message;
  for (const char* expected :
       {"robot \"r\": the robot's name", "joint \"ab\": effort and velocity limits", "joint \"ab\": dynamics",
        "joint \"ab\": calibration", "joint \"ab\": the safety controller", "joint \"bc\": mimicking joint \"ab\"",
        "link \"a\": visual 1: the texture \"skin.png\"", "link \"a\": visual 1: the material name \"skin\"",
        "link \"a\": visual 1: its name \"look\"", "link \"a\": visual 1: the mesh scale"})
    EXPECT_EQ(1, std::count_if(result.warnings.begin(), result.warnings.end(),
                               [&](const std::string& w) { return w.rfind(expected, 0) == 0; }))
        << expected;
  EXPECT_EQ(10u, result.warnings.size());
}

TEST(Urdf, AFixedBaseIsARigidJointToTheGlobalBodyThatExportLeavesToTheNextImport)
{
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPUrdf::Import(Robot("revolute"), model, ZALMPUrdf::Base::Fixed));
  const RVLSharedHandle<ZALMPJoint> base = Named<ZALMPJoint>(*model.world, "base.fixed_base");
  ASSERT_TRUE(base);
  EXPECT_STREQ("ZALMPRigid", base->getClassName());
  RVLSharedHandle<ZALMPBody> global, out, in;
  model.world->GetGlobalBody(global);
  base->GetLinkedBody(0, out);
  base->GetLinkedBody(1, in);
  EXPECT_TRUE(out == global);
  EXPECT_TRUE(in == Named<ZALMPBody>(*model.world, "base"));

  std::string text;
  const ZALMPUrdfResult exported = ZALMPUrdf::Export(*model.world, text);
  ASSERT_TRUE(exported) << exported.message;
  EXPECT_EQ(std::vector<std::string>{}, exported.warnings);
  const urdf::ModelInterfaceSharedPtr back = urdf::parseURDF(text);
  ASSERT_TRUE(back);
  EXPECT_EQ("base", back->getRoot()->name);
  EXPECT_EQ(2u, back->joints_.size());
}

TEST(Urdf, ExportLeavesOutALoopAndWhatUrdfCannotHoldWithAWarningEach)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Demo");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  ASSERT_EQ(S_OK, ZALMPDemoMechanism::Build(world));
  std::string text;
  const ZALMPUrdfResult result = ZALMPUrdf::Export(*world, text);
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
  ASSERT_TRUE(result) << result.message;

  // The four hinges make one loop: three joints hang the bars from the ground, the last closes it.
  const urdf::ModelInterfaceSharedPtr robot = urdf::parseURDF(text);
  ASSERT_TRUE(robot) << text;
  EXPECT_EQ(4u, robot->links_.size());
  EXPECT_EQ(3u, robot->joints_.size());
  for (const char* expected : {"joint \"RockerBearing\": it closes a loop", "connector \"RockerSpring\":",
                               "actuator \"CrankMotor\":", "sensor \"CrankTurn\":", "interaction \"CouplerOnGround\":"})
    EXPECT_TRUE(std::any_of(result.warnings.begin(), result.warnings.end(),
                            [&](const std::string& w) { return w.rfind(expected, 0) == 0; }))
        << expected;
}

}  // namespace

TEST(Urdf, RealRobotsImportAsUrdfdomReadsThemAndExportAsTheSameTree)
{
  int robots = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZALMP_URDF_ROBOTS)) {
    std::ifstream in(entry.path());
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const urdf::ModelInterfaceSharedPtr robot = urdf::parseURDF(text);
    ASSERT_TRUE(robot) << entry.path();
    ZALMPXmlModel model;
    const ZALMPUrdfResult imported = ZALMPUrdf::Import(text, model);
    ASSERT_TRUE(imported) << entry.path() << ": " << imported.message;
    ++robots;

    EXPECT_EQ(robot->links_.size() + 1, std::size_t(model.world->Count<ZALMPBody>())) << "and the global body";
    for (const auto& [name, link] : robot->links_) ExpectBody(*model.world, *robot, *link);
    std::size_t joined = 0;
    for (const auto& [name, joint] : robot->joints_) {
      const char* kind = joint->type == urdf::Joint::PRISMATIC ? "ZALMPPrismatic"
                         : joint->type == urdf::Joint::FIXED   ? "ZALMPRigid"
                         : joint->type == urdf::Joint::PLANAR  ? "ZALMPPlanar"
                         : joint->type == urdf::Joint::FLOATING ? nullptr
                                                                : "ZALMPRevolute";
      if (!kind) continue;
      ExpectJoint(*model.world, *joint, kind);
      ++joined;
    }
    EXPECT_EQ(joined, std::size_t(model.world->Count<ZALMPJoint>())) << entry.path();

    std::string exported;
    ASSERT_TRUE(ZALMPUrdf::Export(*model.world, exported)) << entry.path();
    const urdf::ModelInterfaceSharedPtr back = urdf::parseURDF(exported);
    ASSERT_TRUE(back) << entry.path();
    ExpectSameTree(*robot, *back);
  }
  EXPECT_LE(6, robots);
}
