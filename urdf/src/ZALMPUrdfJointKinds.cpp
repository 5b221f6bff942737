#include "ZALMPUrdfJointKinds.h"

#include <ZALMP0DoF.h>
#include <ZALMPPlanar.h>
#include <ZALMPPlanarConstraint.h>
#include <ZALMPPrismatic.h>
#include <ZALMPPrismaticConstraint.h>
#include <ZALMPRevolute.h>
#include <ZALMPRevoluteConstraint.h>
#include <ZALMPRigid.h>

#include <urdf_model/joint.h>


namespace {

template <class Kind>
bool IsKind(const ZALMPJoint& joint)
{
  return joint.isDerivedFrom(Kind::ClassInfo());
}

template <class Kind, class Base>
RVLSharedHandle<Base> Make(const std::wstring& name)
{
  return Kind::create(name);
}

using Row = ZALMPUrdfJointKinds::Row;
using Quantity = ZALMPPhysicalQuantity;

// Revolute comes before continuous, so that a revolute joint finds the row with limits.
const Row kRows[] = {
    {urdf::Joint::REVOLUTE, &IsKind<ZALMPRevolute>, &Make<ZALMPRevolute, ZALMPJoint>,
     &Make<ZALMPRevoluteConstraint, ZALMPConstraint>, Quantity::Angle, true},
    {urdf::Joint::CONTINUOUS, &IsKind<ZALMPRevolute>, &Make<ZALMPRevolute, ZALMPJoint>,
     &Make<ZALMPRevoluteConstraint, ZALMPConstraint>, Quantity::Angle, false},
    {urdf::Joint::PRISMATIC, &IsKind<ZALMPPrismatic>, &Make<ZALMPPrismatic, ZALMPJoint>,
     &Make<ZALMPPrismaticConstraint, ZALMPConstraint>, Quantity::Length, true},
    {urdf::Joint::FIXED, &IsKind<ZALMPRigid>, &Make<ZALMPRigid, ZALMPJoint>, &Make<ZALMP0DoF, ZALMPConstraint>,
     Quantity::NoPhysicalQuantity, false},
    {urdf::Joint::PLANAR, &IsKind<ZALMPPlanar>, &Make<ZALMPPlanar, ZALMPJoint>,
     &Make<ZALMPPlanarConstraint, ZALMPConstraint>, Quantity::NoPhysicalQuantity, false},
};

}  // namespace

const Row* ZALMPUrdfJointKinds::ForUrdf(int urdfType)
{
  for (const Row& row : kRows)
    if (row.urdfType == urdfType) return &row;
  return nullptr;
}

const Row* ZALMPUrdfJointKinds::ForJoint(const ZALMPJoint& joint)
{
  for (const Row& row : kRows)
    if (row.isKind(joint)) return &row;
  return nullptr;
}

const Row& ZALMPUrdfJointKinds::Continuous()
{
  return kRows[1];
}
