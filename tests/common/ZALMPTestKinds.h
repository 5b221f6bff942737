#pragma once
#include <ZALMPActuator.h>
#include <ZALMPAttribute.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPConstraint.h>
#include <ZALMPInteraction.h>
#include <ZALMPJoint.h>
#include <ZALMPMaterial.h>
#include <ZALMPShape.h>
#include <ZALMPShape2D.h>

#include <optional>
#include <string>
#include <vector>

/// Concrete entities of the kinds the library leaves abstract, one per kind,
/// each with nothing of its own: it writes and reads its common part in an
/// element named after its class ("TestJoint" ...), as every kind does, and is
/// made by name ("ZALMPTestJoint" ...), so that a world can save and read it.
namespace ZALMPTestKinds {
/// The element of `entity` added under `parent`, or null.
ZALMPSerializer* AddOwn(const ZALMPEntity& entity, ZALMPSerializer* parent);
/// The next element of `entity` under `parent`, or null.
const ZALMPDeserializer* TakeOwn(const ZALMPEntity& entity, const ZALMPDeserializer* parent);
}  // namespace ZALMPTestKinds

#define ZALMP_TEST_KIND(T, Kind)                                                               \
  ZALMP_DECLARE_CLASS(T, Kind);                                                                \
  ZALMP_DECLARE_CONCRETE(T);                                                                   \
                                                                                               \
public:                                                                                        \
  HRESULT Serialize(ZALMPSerializer* parent) const override                                    \
  {                                                                                            \
    ZALMPSerializer* own = ZALMPTestKinds::AddOwn(*this, parent);                              \
    return own ? Kind::Serialize(own) : E_FAIL;                                                \
  }                                                                                            \
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override \
  {                                                                                            \
    const ZALMPDeserializer* own = ZALMPTestKinds::TakeOwn(*this, parent);                     \
    return own ? Kind::Deserialize(own, ids) : E_FAIL;                                         \
  }                                                                                            \
                                                                                               \
protected:                                                                                     \
  T() = default;                                                                               \
  T(const T& source) : Kind(source) {}                                                         \
                                                                                               \
public:                                                                                        \
  static_assert(true, "")

/// What a joint, shape or connector double does when a body asks it to drop
/// it: it notes `who` in `log` (when there is one), then gives `answer` when
/// one is set; otherwise it lets go of `body` when that is the body asking
/// (S_OK), answers S_FALSE for another body and E_FAIL for an empty handle.
struct TestBodyPartner {
  RVLSharedHandle<ZALMPBody> body;
  std::vector<std::string>* log = nullptr;
  std::optional<HRESULT> answer;
  HRESULT Drop(const char* who, const RVLSharedHandle<ZALMPBody>& asking);
};

class TestConstraint : public ZALMPConstraint {
  ZALMP_TEST_KIND(TestConstraint, ZALMPConstraint);
};

class TestJoint : public ZALMPJoint, public TestBodyPartner {
  ZALMP_TEST_KIND(TestJoint, ZALMPJoint);
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& asking) override { return Drop("joint", asking); }
  HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>&) override { return S_FALSE; }
};

class TestShape : public ZALMPShape, public TestBodyPartner {
  ZALMP_TEST_KIND(TestShape, ZALMPShape);
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& asking) override { return Drop("shape", asking); }
};

class TestShape2D : public ZALMPShape2D {
  ZALMP_TEST_KIND(TestShape2D, ZALMPShape2D);
};

class TestConnector : public ZALMPConnector, public TestBodyPartner {
  ZALMP_TEST_KIND(TestConnector, ZALMPConnector);
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& asking) override { return Drop("connector", asking); }
};

class TestAttribute : public ZALMPAttribute {
  ZALMP_TEST_KIND(TestAttribute, ZALMPAttribute);
  HRESULT GetAllChildren(RVLSharedVector<ZALMPAttribute>&) const override { return S_FALSE; }
};

class TestActuator : public ZALMPActuator {
  ZALMP_TEST_KIND(TestActuator, ZALMPActuator);
};

// A material writes nothing of itself, and its double adds no element either.
class TestMaterial : public ZALMPMaterial {
  ZALMP_DECLARE_CLASS(TestMaterial, ZALMPMaterial);
  ZALMP_DECLARE_CONCRETE(TestMaterial);

protected:
  TestMaterial() = default;
  TestMaterial(const TestMaterial& source) : ZALMPMaterial(source) {}
};

class TestInteraction : public ZALMPInteraction {
  ZALMP_TEST_KIND(TestInteraction, ZALMPInteraction);
};
