#pragma once
#include <ZALMPConstraint.h>

/// A concrete constraint with nothing of its own, made by name as
/// "ZALMPTestConstraint". It writes and reads the constraint's common part in
/// an element "TestConstraint" of its own, as every constraint kind does.
class TestConstraint : public ZALMPConstraint {
  ZALMP_DECLARE_CLASS(TestConstraint, ZALMPConstraint);
  ZALMP_DECLARE_CONCRETE(TestConstraint);

public:
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

protected:
  TestConstraint() = default;
  TestConstraint(const TestConstraint& source) : ZALMPConstraint(source) {}
};
