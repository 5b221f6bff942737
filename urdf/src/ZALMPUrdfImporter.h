#pragma once
#include "ZALMPUrdf.h"
#include "ZALMPUrdfJointKinds.h"

#include <ZALMPWorld.h>

#include <RVLSharedHandle.h>

#include <urdf_model/model.h>

#include <string>
#include <vector>

class ZALMathAxis;
class ZALMathTransformation;
class ZALMPBody;
class ZALMPConstraint;

/// Builds a world from a URDF model read by the parser: the links as bodies,
/// the joints as joints with their frames, constraints and variables, the
/// visual and collision geometry as shapes (names: ZALMPUrdfJointKinds).
class ZALMPUrdfImporter {
public:
  ZALMPUrdfImporter(const urdf::ModelInterface& model, ZALMPUrdf::Base base, std::vector<std::string>& warnings)
    : m_model(model), m_base(base), m_warnings(warnings)
  {
  }

  /// What the parser lets through but a world cannot hold: a link reached
  /// twice or not at all from the root (a loop of joints), a moving joint
  /// whose axis has no length. Empty when there is none.
  std::string Problem() const;
  /// Files everything in `world`, which is new and the importer's alone until
  /// it is done. Empty on success, else why it could not.
  std::string Build(const RVLSharedHandle<ZALMPWorld>& world);

private:
  RVLSharedHandle<ZALMPBody> AddLink(const urdf::Link& link, const ZALMathTransformation& placement);
  void AddShapes(const RVLSharedHandle<ZALMPBody>& body, const urdf::Link& link);
  void AddShape(const RVLSharedHandle<ZALMPBody>& body, const urdf::Link& link, bool collision, int number,
                const urdf::Pose& origin, const urdf::Geometry* geometry, const urdf::Material* material);
  void AddJoint(const urdf::Joint& joint, const RVLSharedHandle<ZALMPBody>& parent,
                const RVLSharedHandle<ZALMPBody>& child);
  /// A joint of `row`'s kind named `name` from `parent` (Out) to `child` (In)
  /// through an axis system on each at the given frames; its constraint.
  RVLSharedHandle<ZALMPConstraint> Join(const ZALMPUrdfJointKinds::Row& row, const std::wstring& name,
                                        const RVLSharedHandle<ZALMPBody>& parent, const ZALMathAxis& parentFrame,
                                        const RVLSharedHandle<ZALMPBody>& child, const ZALMathAxis& childFrame);
  void WarnOfJointExtras(const urdf::Joint& joint, bool limited);
  void AddTree(const urdf::Link& link, const ZALMathTransformation& placement, const RVLSharedHandle<ZALMPBody>& body);
  void Warn(const std::string& what, const std::string& name, const std::string& text);

  template <class Kind, class T>
  void File(const RVLSharedHandle<T>& entity);

  const urdf::ModelInterface& m_model;
  const ZALMPUrdf::Base m_base;
  std::vector<std::string>& m_warnings;
  RVLSharedHandle<ZALMPWorld> m_world;
  bool m_filed = true;  // false once the world refused an entity
};
