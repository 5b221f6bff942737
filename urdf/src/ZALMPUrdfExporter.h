#pragma once
#include "ZALMPUrdfJointKinds.h"

#include <ZALMPBody.h>
#include <ZALMPJoint.h>

#include <RVLSharedHandle.h>
#include <ZALMathTransformation.h>

#include <urdf_model/model.h>

#include <map>
#include <set>
#include <string>
#include <vector>

class ZALMPAxisSystem;
class ZALMPEntity;
class ZALMPWorld;

/// Builds the URDF model of a world, as far as URDF goes: the bodies as
/// links, a tree of the joints URDF has as its joints, and every other root
/// of that tree hung from the first by a floating joint. Whatever is left out
/// is named in a warning.
class ZALMPUrdfExporter {
public:
  ZALMPUrdfExporter(const ZALMPWorld& world, std::vector<std::string>& warnings)
    : m_world(world), m_warnings(warnings)
  {
  }

  /// Fills `model`; empty on success, else why there is no model.
  std::string Build(urdf::ModelInterface& model);

private:
  // A joint of a kind URDF has, between two bodies, with its frame on each.
  struct Edge {
    RVLSharedHandle<ZALMPJoint> joint;
    const ZALMPUrdfJointKinds::Row* row = nullptr;
    RVLSharedHandle<ZALMPBody> parent, child;
    ZALMathTransformation parentFrame, childFrame;  // in their bodies' coordinates
  };

  void AddLink(urdf::ModelInterface& model, const RVLSharedHandle<ZALMPBody>& body);
  void AddShapes(urdf::Link& link, const ZALMPBody& body);
  /// The joint as an edge; false (with a warning) when URDF has no place for it.
  bool MakeEdge(const RVLSharedHandle<ZALMPJoint>& joint, Edge& edge);
  /// The axis system on `body` that one of the joint's constraints uses.
  RVLSharedHandle<ZALMPAxisSystem> FrameOn(const ZALMPJoint& joint, const ZALMPBody& body);
  void AddJoint(urdf::ModelInterface& model, const Edge& edge);
  void AddFloating(urdf::ModelInterface& model, const ZALMPBody& root, const ZALMPBody& child);
  /// A name no other link (or joint) has: the entity's own when it can be.
  std::string UniqueName(const ZALMPEntity& entity, std::set<std::string>& taken);
  void Keep(const ZALMPEntity* entity) { m_kept.insert(entity); }
  void Warn(const ZALMPEntity& entity, const std::string& text);
  void WarnOfTheRest();

  const ZALMPWorld& m_world;
  std::vector<std::string>& m_warnings;
  RVLSharedHandle<ZALMPBody> m_global;
  std::set<const ZALMPEntity*> m_kept;  // written, or already named in a warning
  std::map<const ZALMPBody*, std::string> m_links;
  std::set<std::string> m_linkNames, m_jointNames;
};
