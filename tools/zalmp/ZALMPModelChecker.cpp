#include "ZALMPModelChecker.h"

#include "ZALMPEntityKinds.h"
#include "ZALMPToolText.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPExpression.h>
#include <ZALMPWorld.h>
#include <ZALMPWorldGlobals.h>
#include <ZALMPXml.h>

#include <map>
#include <set>
#include <string_view>

namespace {

// The entities filed in each registry of a world, and the links found leading elsewhere.
class LinkCheck {
public:
  LinkCheck(const ZALMPWorld& world, std::vector<std::string>& problems) : m_problems(problems)
  {
    ZALMPEntityKinds::ForEach([&](auto kind, std::string_view name) {
      using Kind = typename decltype(kind)::type;
      std::set<const ZALMPEntity*>& filed = m_filed[name];
      for (int i = 0; i < world.Count<Kind>(); ++i) {
        RVLSharedHandle<Kind> entity;
        if (world.Get<Kind>(i, entity) == S_OK) filed.insert(entity.get());
      }
    });
  }

  // Walks the registry of kind T, giving each entity to `check`.
  template <class T, class Check>
  void EachFiled(const ZALMPWorld& world, Check&& check)
  {
    for (int i = 0; i < world.Count<T>(); ++i) {
      RVLSharedHandle<T> entity;
      if (world.Get<T>(i, entity) == S_OK && entity) check(*entity);
    }
  }

  // `owner`'s link `what` must lead to an entity filed under `kind`.
  void Expect(const std::string& owner, std::string_view what, const ZALMPEntity* linked, std::string_view kind)
  {
    if (!linked || m_filed[kind].count(linked)) return;
    m_problems.push_back("dangling  " + owner + ": " + std::string(what) + " " + ZALMPToolText::NameOf(linked) +
                         " is not filed in the " + std::string(kind) + " registry");
  }

  // The same for each entry of a list that is read through its count and indexed getter.
  template <class T, class Linked>
  void ExpectEach(const T& owner, std::string_view what, int (T::*count)() const,
                  HRESULT (T::*get)(int, RVLSharedHandle<Linked>&) const, std::string_view kind)
  {
    for (int i = 0; i < (owner.*count)(); ++i) {
      RVLSharedHandle<Linked> linked;
      (owner.*get)(i, linked);
      Expect(Describe(owner), what, linked.get(), kind);
    }
  }

  static std::string Describe(const ZALMPEntity& entity)
  {
    return std::string(entity.getClassName()) + " " + ZALMPToolText::NameOf(&entity);
  }

private:
  std::vector<std::string>& m_problems;
  std::map<std::string_view, std::set<const ZALMPEntity*>> m_filed;
};

void CheckBodies(const ZALMPWorld& world, LinkCheck& check)
{
  using B = ZALMPBody;
  check.EachFiled<B>(world, [&](const B& body) {
    check.ExpectEach(body, "geometry", &B::GetGeometryCount, &B::GetGeometry, "Geometry");
    check.ExpectEach(body, "joint", &B::GetLinkedJointCount, &B::GetLinkedJoint, "Joint");
    check.ExpectEach(body, "shape", &B::GetLinkedShapeCount, &B::GetLinkedShape, "Shape");
    check.ExpectEach(body, "connector", &B::GetLinkedConnectorCount, &B::GetLinkedConnector, "Connector");
    check.ExpectEach(body, "impacted child body", &B::GetImpactedChildBodyCount, &B::GetImpactedChildBody, "Body");
    RVLSharedHandle<ZALMPDisplacementSensor> sensor;
    body.GetDisplacementSensor(sensor);
    check.Expect(LinkCheck::Describe(body), "displacement sensor", sensor.get(), "Sensor");
  });
}

void CheckGeometries(const ZALMPWorld& world, LinkCheck& check)
{
  using G = ZALMPGeometry;
  check.EachFiled<G>(world, [&](const G& geometry) {
    RVLSharedHandle<ZALMPBody> body;
    geometry.GetBody(body);
    check.Expect(LinkCheck::Describe(geometry), "body", body.get(), "Body");
    check.ExpectEach(geometry, "constraint", &G::GetLinkedConstraintCount, &G::GetLinkedConstraint, "Constraint");
  });
}

void CheckVariablesAndValues(const ZALMPWorld& world, LinkCheck& check)
{
  using V = ZALMPVariable;
  check.EachFiled<V>(world, [&](const V& variable) {
    check.ExpectEach(variable, "constraint", &V::GetLinkedConstraintCount, &V::GetLinkedConstraint, "Constraint");
  });
  using E = ZALMPExpression;
  check.EachFiled<ZALMPValue>(world, [&](const ZALMPValue& value) {
    if (const auto* expression = dynamic_cast<const E*>(&value))
      check.ExpectEach(*expression, "variable", &E::GetLinkedVariableCount, &E::GetLinkedVariable, "Variable");
  });
}

void CheckGlobals(const ZALMPWorld& world, LinkCheck& check)
{
  const ZALMPWorldGlobals globals = ZALMPWorldGlobals::Of(world);
  check.Expect("World", "global body", globals.body.get(), "Body");
  check.Expect("World", "global axis system", globals.axisSystem.get(), "Geometry");
  check.Expect("World", "global time", globals.time.get(), "Variable");
}

}  // namespace

std::vector<std::string> ZALMPModelChecker::Problems(const ZALMPXmlModel& model)
{
  std::vector<std::string> problems;
  for (const ZALMPXmlWarning& warning : model.warnings)
    problems.push_back("warning   " + ZALMPToolText::Where(warning));
  if (!model.world) return problems;
  LinkCheck check(*model.world, problems);
  CheckBodies(*model.world, check);
  CheckGeometries(*model.world, check);
  CheckVariablesAndValues(*model.world, check);
  CheckGlobals(*model.world, check);
  return problems;
}
