#define ZALMP_SOURCE_FILE "ZALMPJoint.m/src/ZALMPJoint2D"
#include <ZALMPAssertionReport.h>

#include "ZALMPJointBodyLink.h"

#include <ZALIMPJoint2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPJoint2D.h>
#include <ZALMPLinkTable.h>

#include <cstddef>

ZALMP_DEFINE_CLASS(ZALMPJoint2D, ZALMPJoint);

ZALMPJoint2D::ZALMPJoint2D() = default;

// As a joint's copy: it links nothing.
ZALMPJoint2D::ZALMPJoint2D(const ZALMPJoint2D& source) : ZALMPJoint(source) {}

ZALMPJoint2D::~ZALMPJoint2D() = default;

ZALMP_DEFINE_LOADER(ZALMPJoint2D, ZALIMPJoint2DLoader);

// After the joint's own links (its constraints, then its bodies in space, a
// list a planar joint leaves empty): RemoveParent asks the planar bodies last,
// ClearContainers empties them with their orientations.
ZALMP_DEFINE_LINKS(ZALMPJoint2D, &ZALMPJoint::LinkTable(), LastPartner,
                   ZALMPJointBodyLink<ZALMPJoint2D, ZALMPBody2D>::Make(&ZALMPJoint2D::m_bodies, L"Bodies2D",
                                                                       L"Body2D", &ZALMPJoint2D::LinkToBody,
                                                                       &ZALMPBody2D::RemoveJoint, ZALMP_HERE));

HRESULT ZALMPJoint2D::Serialize(ZALMPSerializer* element) const
{
  return WriteJointPart(element, *LinkTable().OwnLinks()[0]);
}

HRESULT ZALMPJoint2D::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return ReadJointPart(element, ids, *LinkTable().OwnLinks()[0]);
}

HRESULT ZALMPJoint2D::GetFrames(std::vector<ZALMathAxis2D>& frames) const
{
  ZALIMPJoint2DLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) return E_FAIL;
  return loader ? loader->GetFrames(frames) : S_FALSE;
}

int ZALMPJoint2D::GetFrameCount() const
{
  std::vector<ZALMathAxis2D> frames;
  GetFrames(frames);
  return static_cast<int>(frames.size());
}

HRESULT ZALMPJoint2D::GetFrame(int index, ZALMathAxis2D& frame) const
{
  std::vector<ZALMathAxis2D> frames;
  GetFrames(frames);
  if (index < 0 || index >= static_cast<int>(frames.size())) return E_FAIL;
  frame = frames[static_cast<std::size_t>(index)];
  return S_OK;
}

HRESULT ZALMPJoint2D::GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) const
{
  ZALIMPJoint2DLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) return E_FAIL;
  return loader ? loader->GetSolverEquivalentJointType(type) : S_FALSE;
}

HRESULT ZALMPJoint2D::LinkToBody(const RVLSharedHandle<ZALMPBody2D>& body, ZALMPBodyOrientation::Enum orientation)
{
  return m_bodies.Add(body, orientation, ZALMP_HERE);
}

HRESULT ZALMPJoint2D::RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return m_bodies.Remove(body, ZALMP_HERE);
}

HRESULT ZALMPJoint2D::GetLinkedBody(int index, RVLSharedHandle<ZALMPBody2D>& body) const
{
  return m_bodies.Get(index, body);
}

HRESULT ZALMPJoint2D::GetLinkedBody(int index, RVLSharedHandle<ZALMPBody2D>& body,
                                    ZALMPBodyOrientation::Enum& orientation) const
{
  return m_bodies.Get(index, body, orientation);
}

int ZALMPJoint2D::GetLinkedBodyCount() const
{
  return m_bodies.Count();
}
