#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPJointFramesServices"
#include <ZALMPAssertionReport.h>

#include <ZALIMPJointLoader.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPJoint.h>
#include <ZALMPJointFramesServices.h>
#include <ZALMPPoint.h>

#include <RVLBasicWorld.h>
#include <ZALMathTransformation.h>

#include <optional>

namespace {

// How a recorded frame is known, and so how it is expressed in the end.
enum class Known { WorldOrigin, InWorld, InBody };

struct Recorded {
  ZALMathAxis frame;
  Known known;
  RVLSharedHandle<ZALMPBody> body;  // whose placement expresses it; null for a loader frame without one
};

// The joint's type: the loader's, else the one last given to the joint.
// Without either the joint has no type, and its frames are the loader's.
std::optional<ZALMPSolverEquivalentJointType::Enum> TypeOf(const ZALMPJoint& joint)
{
  ZALMPSolverEquivalentJointType::Enum type{};
  if (joint.GetSolverEquivalentJointType(type) == S_OK) return type;
  return joint.GetStoredSolverEquivalentJointType();
}

// The first geometry of kind `Kind` on `body` that a constraint of the joint
// uses, constraints and their geometries taken in order.
template <class Kind>
RVLSharedHandle<Kind> FirstUsed(const ZALMPJoint& joint, const RVLSharedHandle<ZALMPBody>& body)
{
  for (int c = 0; c < joint.GetConstraintCount(); ++c) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    joint.GetConstraint(c, constraint);
    if (!constraint.IsAlive()) continue;
    for (int g = 0; g < constraint->GetLinkedGeometryCount(); ++g) {
      RVLSharedHandle<ZALMPGeometry> geometry;
      RVLSharedHandle<ZALMPBody> carrier;
      constraint->GetLinkedGeometry(g, geometry);
      if (!geometry.IsAlive() || FAILED(geometry->GetBody(carrier)) || !(carrier == body)) continue;
      if (geometry->isDerivedFrom(Kind::ClassInfo())) return RVLSharedHandle<Kind>(geometry);
    }
  }
  return {};
}

// A body's placement as a frame: its columns are the directions and its
// translation the origin.
ZALMathAxis PlacementFrame(const ZALMathTransformation& placement, const std::optional<ZALMathPoint>& at)
{
  double c[12];
  placement.GetCoef(c);
  const ZALMathPoint origin = at ? placement * *at : ZALMathPoint(c[9], c[10], c[11]);
  return ZALMathAxis(origin, {c[0], c[1], c[2]}, {c[3], c[4], c[5]}, {c[6], c[7], c[8]});
}

// Records one frame per linked body, from geometry.
void RecordFromGeometry(const ZALMPJoint& joint, ZALMPSolverEquivalentJointType::Enum type,
                        std::vector<Recorded>& recorded)
{
  RVLSharedHandle<ZALMPBody> global;
  if (joint.getWorld()) joint.GetGlobalBody(global);  // a joint in no world has no global body
  for (int i = 0; i < joint.GetLinkedBodyCount(); ++i) {
    RVLSharedHandle<ZALMPBody> body;
    joint.GetLinkedBody(i, body);
    if (!body.IsAlive()) continue;
    if (global && body == global) {
      recorded.push_back({ZALMathAxis(), Known::WorldOrigin, body});
      continue;
    }
    std::optional<ZALMathPoint> point;
    if (ZALMPSolverEquivalentJointType::IsAxisSystemType(type)) {
      if (const RVLSharedHandle<ZALMPAxisSystem> axes = FirstUsed<ZALMPAxisSystem>(joint, body)) {
        ZALMathAxis frame;
        axes->GetAxisSystem(frame);
        recorded.push_back({frame, Known::InBody, body});
        continue;
      }
    } else if (ZALMPSolverEquivalentJointType::IsPointType(type)) {
      if (const RVLSharedHandle<ZALMPPoint> found = FirstUsed<ZALMPPoint>(joint, body)) {
        point.emplace();
        found->GetPoint(*point);
      }
    }
    ZALMathTransformation placement;
    body->GetPosition(placement);
    recorded.push_back({PlacementFrame(placement, point), Known::InWorld, body});
  }
}

// Records the loader's frames, known in world coordinates; frame i belongs to
// linked body i when there is one. The status is the loader's (S_FALSE without one).
HRESULT RecordFromLoader(const ZALMPJoint& joint, std::vector<Recorded>& recorded)
{
  ZALIMPJointLoader* loader = nullptr;
  if (FAILED(joint.GetLoader(loader))) return E_FAIL;
  if (!loader) return S_FALSE;
  std::vector<ZALMathAxis> frames;
  const HRESULT status = loader->GetFrames(frames);
  if (status != S_OK) return status;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    RVLSharedHandle<ZALMPBody> body;
    joint.GetLinkedBody(static_cast<int>(i), body);
    recorded.push_back({frames[i], Known::InWorld, body});
  }
  return status;
}

// Appends `frame` expressed as asked: a frame known the other way goes through
// its body's placement, or its inverse.
void Express(const Recorded& recorded, bool inBodyFrame, std::vector<ZALMathAxis>& frames)
{
  if (recorded.known == Known::WorldOrigin) {
    frames.push_back(ZALMathAxis());
    return;
  }
  if ((recorded.known == Known::InWorld) != inBodyFrame) {
    frames.push_back(recorded.frame);
    return;
  }
  if (!recorded.body.IsAlive()) return;
  ZALMathTransformation placement;
  recorded.body->GetPosition(placement);
  if (!inBodyFrame) {
    frames.push_back(placement * recorded.frame);
    return;
  }
  ZALMathTransformation inverse;
  if (FAILED(placement.ComputeInverse(inverse))) {
    ZALMP_REPORT();  // a singular placement has no body frame
    return;
  }
  frames.push_back(inverse * recorded.frame);
}

}  // namespace

HRESULT ZALMPJointFramesServices::ComputeFrames(const ZALMPJoint* joint, std::vector<ZALMathAxis>& frames,
                                                unsigned char inBodyFrame)
{
  if (!joint) {
    ZALMP_REPORT();
    return S_FALSE;
  }
  const std::optional<ZALMPSolverEquivalentJointType::Enum> type = TypeOf(*joint);
  std::vector<Recorded> recorded;
  HRESULT status = S_FALSE;
  if (type && (ZALMPSolverEquivalentJointType::IsAxisSystemType(*type) ||
               ZALMPSolverEquivalentJointType::IsPointType(*type) ||
               ZALMPSolverEquivalentJointType::IsPlacementType(*type)))
    RecordFromGeometry(*joint, *type, recorded);
  else
    status = RecordFromLoader(*joint, recorded);
  for (const Recorded& frame : recorded) Express(frame, inBodyFrame != 0, frames);
  return frames.empty() ? status : S_OK;
}
