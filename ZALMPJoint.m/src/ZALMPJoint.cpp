#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPJoint"
#include <ZALMPAssertionReport.h>

#include "ZALMPJointBodyLink.h"

#include <ZALIMPJointLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPJoint.h>
#include <ZALMPJointFramesServices.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_CLASS(ZALMPJoint, ZALMPEntity);

ZALMPJoint::ZALMPJoint() = default;

// A copy links nothing and keeps no solver type: both belong to the original's place in a model.
ZALMPJoint::ZALMPJoint(const ZALMPJoint& source) : ZALMPEntity(source) {}

ZALMPJoint::~ZALMPJoint() = default;

ZALMP_DEFINE_LOADER(ZALMPJoint, ZALIMPJointLoader);

// RemoveParent asks the constraints, then the bodies, to drop the joint; the
// first failure ends it, else the last answer is returned. ClearContainers
// empties both lists (and the orientations with the bodies).
ZALMP_DEFINE_LINKS(ZALMPJoint, &ZALMPEntity::LinkTable(), LastPartner,
                   ZALMPLinkTable::List(&ZALMPJoint::m_constraints, L"Constraints", L"Constraint",
                                        &ZALMPJoint::AddConstraint, &ZALMPConstraint::RemoveJoint,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPJointBodyLink<ZALMPJoint, ZALMPBody>::Make(&ZALMPJoint::m_bodies, L"Bodies", L"Body",
                                                                   &ZALMPJoint::LinkToBody, &ZALMPBody::RemoveJoint,
                                                                   ZALMP_HERE));

HRESULT ZALMPJoint::Serialize(ZALMPSerializer* element) const
{
  return WriteJointPart(element, *LinkTable().OwnLinks()[1]);
}

HRESULT ZALMPJoint::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return ReadJointPart(element, ids, *LinkTable().OwnLinks()[1]);
}

// The element holds the bodies before the constraints; the table lists the
// constraints first because they are asked first when the joint is orphaned.
HRESULT ZALMPJoint::WriteJointPart(ZALMPSerializer* element, const ZALMPLink& bodies) const
{
  return SerializeLinked(element, {&bodies, ZALMPJoint::LinkTable().OwnLinks()[0].get()}, ZALMP_HERE);
}

HRESULT ZALMPJoint::ReadJointPart(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
                                  const ZALMPLink& bodies)
{
  return DeserializeLinked(element, ids, {&bodies, ZALMPJoint::LinkTable().OwnLinks()[0].get()}, ZALMP_HERE);
}

HRESULT ZALMPJoint::GetFrames(std::vector<ZALMathAxis>& frames, unsigned char inBodyFrame,
                              unsigned char fromGeometry) const
{
  if (fromGeometry) return ZALMPJointFramesServices::ComputeFrames(this, frames, inBodyFrame);
  ZALIMPJointLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) return E_FAIL;
  return loader ? loader->GetFrames(frames) : S_FALSE;
}

int ZALMPJoint::GetFrameCount() const
{
  std::vector<ZALMathAxis> frames;
  GetFrames(frames, 0, 0);
  return static_cast<int>(frames.size());
}

HRESULT ZALMPJoint::GetFrame(int index, ZALMathAxis& frame, unsigned char inBodyFrame) const
{
  std::vector<ZALMathAxis> frames;
  GetFrames(frames, inBodyFrame, 0);
  if (index < 0 || index >= static_cast<int>(frames.size())) return E_FAIL;
  frame = frames[static_cast<std::size_t>(index)];
  return S_OK;
}

HRESULT ZALMPJoint::GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) const
{
  ZALIMPJointLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) return E_FAIL;
  return loader ? loader->GetSolverEquivalentJointType(type) : S_FALSE;
}

HRESULT ZALMPJoint::SetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type)
{
  m_solverEquivalentJointType = type;
  return S_OK;
}

std::optional<ZALMPSolverEquivalentJointType::Enum> ZALMPJoint::GetStoredSolverEquivalentJointType() const
{
  return m_solverEquivalentJointType;
}

HRESULT ZALMPJoint::LinkToBody(const RVLSharedHandle<ZALMPBody>& body, ZALMPBodyOrientation::Enum orientation)
{
  return m_bodies.Add(body, orientation, ZALMP_HERE);
}

HRESULT ZALMPJoint::RemoveBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return m_bodies.Remove(body, ZALMP_HERE);
}

HRESULT ZALMPJoint::GetLinkedBody(int index, RVLSharedHandle<ZALMPBody>& body) const
{
  return m_bodies.Get(index, body);
}

HRESULT ZALMPJoint::GetLinkedBody(int index, RVLSharedHandle<ZALMPBody>& body,
                                  ZALMPBodyOrientation::Enum& orientation) const
{
  return m_bodies.Get(index, body, orientation);
}

int ZALMPJoint::GetLinkedBodyCount() const
{
  return m_bodies.Count();
}

HRESULT ZALMPJoint::AddConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  return m_constraints.Add(constraint, ZALMP_HERE);
}

HRESULT ZALMPJoint::InsertConstraint(int index, const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  return m_constraints.Insert(index, constraint, ZALMP_HERE);
}

HRESULT ZALMPJoint::RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  return m_constraints.Remove(constraint, ZALMP_HERE);
}

HRESULT ZALMPJoint::GetConstraint(int index, RVLSharedHandle<ZALMPConstraint>& constraint) const
{
  return m_constraints.Get(index, constraint);
}

int ZALMPJoint::GetConstraintCount() const
{
  return m_constraints.Count();
}
