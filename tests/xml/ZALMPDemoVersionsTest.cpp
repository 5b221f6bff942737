// The demo model written in the layout of each format version, read back into
// fresh entities made by class name, and compared field by field: what the
// version's layout keeps comes back equal, everything else stays at the value
// of a new entity.

#include "ZALMPDemoMechanism.h"
#include <ZALMPEntityKinds.h>
#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPBoolean.h>
#include <ZALMPConstant.h>
#include <ZALMPCylinder.h>
#include <ZALMPExpression.h>
#include <ZALMPFactory.h>
#include <ZALMPPoint.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPString.h>
#include <ZALMPVersion.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>
#include <ZALMathAxis.h>
#include <ZALUnicodeString.h>

#include <gtest/gtest.h>

#include <charconv>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

// The oldest version whose layout keeps a field; none when no layout keeps it.
using KeptFrom = std::optional<std::wstring_view>;
constexpr KeptFrom kAlways = ZALMPVersion::kOldest;
constexpr KeptFrom kNever = std::nullopt;

// Saved identifier -> entity of one side of the round trip. A link is right
// when it leads to the entity of its own side that bears the saved identifier.
using Side = ZALMPIdentifierMap;

// One field of kind T, read as text so that every field compares and prints alike.
template <class T>
using Reader = std::function<std::string(const T&, const Side&)>;
template <class T>
struct Field {
  const char* name;
  KeptFrom keptFrom;
  Reader<T> read;
};
template <class T>
using Table = std::vector<Field<T>>;

std::string Narrow(const std::wstring& text)
{
  return ZALUnicodeString(text).ConvertToChar();
}

// Each field type as text. A number as the tree stores it: to the nearest multiple of 1e-12.
std::string Text(double value)
{
  char digits[32];
  const char* const end = std::to_chars(digits, digits + sizeof digits, ZALMPSerializer::Quantise(value)).ptr;
  return std::string(digits, static_cast<std::size_t>(end - digits));
}
std::string Text(bool flag) { return flag ? "yes" : "no"; }
std::string Text(unsigned char byte) { return Text(byte != 0); }
std::string Text(const ZALUnicodeString& text) { return text.ConvertToChar(); }
std::string Text(ZALMPPhysicalQuantity::Enum q) { return Narrow(std::wstring(ZALMPPhysicalQuantity::ToName(q))); }
std::string Text(ZALMPVariableType::Enum type) { return Narrow(std::wstring(ZALMPVariableType::ToName(type))); }
std::string Text(const ZALMathPoint& p) { return Text(p.GetX()) + " " + Text(p.GetY()) + " " + Text(p.GetZ()); }
std::string Text(const ZALMathVector& v) { return Text(v.GetX()) + " " + Text(v.GetY()) + " " + Text(v.GetZ()); }
std::string Text(const ZALMath3x3Matrix& m)
{
  return Text(m.GetFirstColumn()) + " | " + Text(m.GetSecondColumn()) + " | " + Text(m.GetThirdColumn());
}
std::string Text(const ZALMathTransformation& t) { return Text(t.GetMatrix()) + " + " + Text(t.GetVector()); }
std::string Text(const ZALMathAxis& a)
{
  return Text(a.GetOrigin()) + " | " + Text(a.GetFirstDirection()) + " | " + Text(a.GetSecondDirection()) + " | " +
         Text(a.GetThirdDirection());
}
std::string Text(ZALWBEquation* equation)
{
  std::wstring text = L"none";
  if (equation) ZALMPSerializationServices::PrintWBEquation(equation, text);
  return Narrow(text);
}
std::string Text(const std::map<int, int>& mapping)
{
  std::string text;
  for (const auto& [slot, variable] : mapping) text += std::to_string(slot) + ":" + std::to_string(variable) + " ";
  return text;
}

// A field read through a getter with one output, or a flag query.
template <class T, class Out>
Reader<T> Via(HRESULT (T::*get)(Out&) const)
{
  return [get](const T& entity, const Side&) {
    Out out{};
    (entity.*get)(out);
    return Text(out);
  };
}
template <class T, class Out>
Reader<T> Via(Out (T::*get)() const)
{
  return [get](const T& entity, const Side&) { return Text((entity.*get)()); };
}

std::string Link(const RVLSharedHandle<ZALMPEntity>& linked, const Side& side)
{
  if (!linked) return "none";
  std::wstring id;
  linked->GetIdentifier(id);
  const auto found = side.find(id);
  return Narrow(id) + (found != side.end() && found->second == linked ? "" : " (outside its side)");
}

// A list of links, in order, through its count and indexed getter.
template <class T, class Linked>
Reader<T> Links(int (T::*count)() const, HRESULT (T::*get)(int, RVLSharedHandle<Linked>&) const)
{
  return [count, get](const T& entity, const Side& side) {
    std::string text;
    for (int i = 0; i < (entity.*count)(); ++i) {
      RVLSharedHandle<Linked> linked;
      (entity.*get)(i, linked);
      text += Link(linked, side) + ";";
    }
    return text;
  };
}

// The common part of every entity; activity is written from R2017.1 on.
Table<ZALMPEntity> EntityFields()
{
  return {
      {"name", kAlways, [](const ZALMPEntity& e, const Side&) { return e.GetID().str(); }},
      {"active", ZALMPVersion::kR2017_1, Via(&ZALMPEntity::IsActive)},
  };
}

// Placement, kinematics and mass properties are written by every version; the
// out-of-world flag from R2016.1 on. A stored velocity with a component above
// zero reads as known.
Table<ZALMPBody> BodyFields()
{
  using B = ZALMPBody;
  return {
      {"position", kAlways, Via<B, ZALMathTransformation>(&B::GetPosition)},
      {"velocity", kAlways,
       [](const B& b, const Side&) {
         ZALMathVector linear, angular;
         return FAILED(b.GetVelocity(linear, angular)) ? "unknown" : Text(linear) + " / " + Text(angular);
       }},
      {"acceleration", kAlways,
       [](const B& b, const Side&) {
         ZALMathVector linear, angular;
         b.GetAcceleration(linear, angular);
         return Text(linear) + " / " + Text(angular);
       }},
      {"mass", kAlways, Via(&B::GetMass)},
      {"centre of gravity", kAlways, Via(&B::GetCenterOfGravity)},
      {"inertia", kAlways, Via(&B::GetInertiaMatrix)},
      {"fixed", kAlways, Via(&B::IsFixed)},
      {"out of world", ZALMPVersion::kR2016_1, Via(&B::IsOutOfWorld)},
      {"geometries", kAlways, Links(&B::GetGeometryCount, &B::GetGeometry)},
  };
}

// Every kind of geometry keeps its body link and its numbers in every version.
Table<ZALMPGeometry> GeometryFields()
{
  return {{"body", kAlways, [](const ZALMPGeometry& g, const Side& side) {
             RVLSharedHandle<ZALMPBody> body;
             g.GetBody(body);
             return Link(body, side);
           }}};
}
Table<ZALMPAxisSystem> AxisSystemFields() { return {{"axis", kAlways, Via(&ZALMPAxisSystem::GetAxisSystem)}}; }
Table<ZALMPPoint> PointFields() { return {{"point", kAlways, Via(&ZALMPPoint::GetPoint)}}; }
Table<ZALMPCylinder> CylinderFields()
{
  return {{"origin", kAlways, Via(&ZALMPCylinder::GetOrigin)},
          {"axis", kAlways, Via(&ZALMPCylinder::GetAxis)},
          {"radius", kAlways, Via(&ZALMPCylinder::GetRadius)}};
}

// Before R2017.0 value and limits are bare numbers (their flags are not
// written) and the restitution coefficients are not written at all; the type
// is written from R2016.0 on. The starting value is never written.
Table<ZALMPVariable> VariableFields()
{
  using V = ZALMPVariable;
  const KeptFrom grouped = ZALMPVersion::kR2017_0;
  return {
      {"quantity", kAlways, Via(&V::GetPhysicalQuantity)},
      {"type", ZALMPVersion::kR2016_0, Via(&V::GetType)},
      {"value", kAlways, Via<V, double>(&V::GetValue)},
      {"has value", grouped, Via(&V::HasValue)},
      {"min value", kAlways, Via(&V::GetMinValue)},
      {"has min value", grouped, Via(&V::HasMinValue)},
      {"max value", kAlways, Via(&V::GetMaxValue)},
      {"has max value", grouped, Via(&V::HasMaxValue)},
      {"min restitution", grouped, Via(&V::GetRestitutionOnMinLimit)},
      {"has min restitution", grouped, Via(&V::HasRestitutionOnMinLimit)},
      {"max restitution", grouped, Via(&V::GetRestitutionOnMaxLimit)},
      {"has max restitution", grouped, Via(&V::HasRestitutionOnMaxLimit)},
      {"starting value", kNever, Via(&V::GetStartingValue)},
      {"has starting value", kNever, Via(&V::HasStartingValue)},
  };
}

// Before R2018.0 the quantity is written by number and must be there to be
// read: a value without one fails to read and keeps nothing but its common part.
KeptFrom ContentKeptFrom(const ZALMPEntity& entity)
{
  const auto* value = dynamic_cast<const ZALMPValue*>(&entity);
  ZALMPPhysicalQuantity::Enum quantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
  return value && FAILED(value->GetPhysicalQuantity(quantity)) ? KeptFrom(ZALMPVersion::kR2018_0) : kAlways;
}

Table<ZALMPValue> ValueFields(KeptFrom content)
{
  return {{"quantity", content, Via(&ZALMPValue::GetPhysicalQuantity)}};
}
Table<ZALMPConstant> ConstantFields(KeptFrom content) { return {{"value", content, Via(&ZALMPConstant::GetValue)}}; }
Table<ZALMPBoolean> BooleanFields(KeptFrom content) { return {{"value", content, Via(&ZALMPBoolean::GetValue)}}; }
Table<ZALMPString> StringFields(KeptFrom content) { return {{"value", content, Via(&ZALMPString::GetValue)}}; }
Table<ZALMPExpression> ExpressionFields(KeptFrom content)
{
  using E = ZALMPExpression;
  return {
      {"equation", content, Via<E, ZALWBEquation*>(&E::GetValue)},
      {"variables", content, Links(&E::GetLinkedVariableCount, &E::GetLinkedVariable)},
      {"mapping", content, Via(&E::GetVariableMapping)},
  };
}

struct Trip {
  std::wstring_view version;
  Side source;  // saved identifier -> the demo's entity
  Side read;    // saved identifier -> the entity read back
};

// Applies `table` when the entity is a T: kept fields as written, the others as on a new entity.
template <class T>
void Expect(const Table<T>& table, const ZALMPEntity& source, const ZALMPEntity& read, const ZALMPEntity& fresh,
            const Trip& trip)
{
  const T* const written = dynamic_cast<const T*>(&source);
  if (!written) return;
  for (const Field<T>& field : table) {
    const bool kept = field.keptFrom && ZALMPVersion::IsAtLeast(trip.version, *field.keptFrom);
    const std::string expected =
        kept ? field.read(*written, trip.source) : field.read(dynamic_cast<const T&>(fresh), {});
    EXPECT_EQ(expected, field.read(dynamic_cast<const T&>(read), trip.read))
        << source.GetID() << ": " << field.name << (kept ? " (kept)" : " (fallback)");
  }
}

void ExpectReadBack(const ZALMPEntity& source, const ZALMPEntity& read, const ZALMPEntity& fresh, const Trip& trip)
{
  const KeptFrom content = ContentKeptFrom(source);
  Expect(EntityFields(), source, read, fresh, trip);
  Expect(BodyFields(), source, read, fresh, trip);
  Expect(GeometryFields(), source, read, fresh, trip);
  Expect(AxisSystemFields(), source, read, fresh, trip);
  Expect(PointFields(), source, read, fresh, trip);
  Expect(CylinderFields(), source, read, fresh, trip);
  Expect(VariableFields(), source, read, fresh, trip);
  Expect(ValueFields(content), source, read, fresh, trip);
  Expect(ConstantFields(content), source, read, fresh, trip);
  Expect(BooleanFields(content), source, read, fresh, trip);
  Expect(StringFields(content), source, read, fresh, trip);
  Expect(ExpressionFields(content), source, read, fresh, trip);
}

class DemoVersions : public ::testing::TestWithParam<std::wstring> {
protected:
  void SetUp() override
  {
    ASSERT_EQ(S_OK, ZALMPDemoMechanism::Build(world));
    // The demo leaves these flags at their defaults; set, they show whether a
    // layout keeps them. The last entity of each kind is switched off.
    ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
      RVLSharedHandle<Kind> last;
      if (world->Get<Kind>(world->Count<Kind>() - 1, last) == S_OK) last->Deactivate();
    });
    RVLSharedHandle<ZALMPBody> rocker;
    world->Get<ZALMPBody>(world->Count<ZALMPBody>() - 1, rocker);
    rocker->SetOutOfWorld(true);
  }

  void TearDown() override
  {
    // The entities read back link each other both ways and are in no registry.
    for (const auto& [id, entity] : trip.read) entity->orphanObject();
    for (auto* w : {&world, &readWorld}) ZALMPWorld::destroy(*w);
    for (auto* h : {&host, &readHost}) RVLBasicWorld::destroy(*h);
  }

  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Demo");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  // The entities read back live in a world of their own: an expression parses
  // its equation into its world's equation factory.
  RVLSharedHandle<RVLBasicWorld> readHost = RVLBasicWorld::create(L"Read");
  RVLSharedHandle<ZALMPWorld> readWorld = ZALMPWorld::create(readHost);
  Trip trip{GetParam(), {}, {}};
};

TEST_P(DemoVersions, EachFieldComesBackWhenTheLayoutKeepsItAndIsAtItsFallbackOtherwise)
{
  ZALMPXmlWriter root;
  root.SetVersion(trip.version);
  ZALMPSerializer* entities = nullptr;
  ASSERT_EQ(S_OK, root.AddElement(L"Entities", entities));
  ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
    for (int i = 0; i < world->Count<Kind>(); ++i) {
      RVLSharedHandle<Kind> entity;
      world->Get<Kind>(i, entity);
      std::wstring id;
      entity->GetIdentifier(id);
      trip.source[id] = entity;
      entity->Serialize(entities);
    }
  });

  // Make every entity by its element's class name first, then let each read
  // itself, so that every reference finds its target whatever the order.
  const std::unique_ptr<ZALMPXmlReader> document = ReadBack(root);
  ASSERT_NE(nullptr, document);
  ZALMPDeserializer* stored = nullptr;
  document->GetElement(L"Entities", stored);
  ASSERT_NE(nullptr, stored);
  std::vector<ZALMPDeserializer*> elements;
  stored->GetElements(elements);
  // Saved identifiers in element order: a new entity must not make one of its own before it reads.
  std::vector<std::wstring> inOrder;
  for (const ZALMPDeserializer* element : elements) {
    std::wstring elementId, id;
    element->GetId(elementId);
    RVLSharedHandle<ZALMPEntity> entity;
    ASSERT_EQ(S_OK, ZALMPFactory::Create(ZALMPSerializationServices::to_type(elementId), entity)) << Narrow(elementId);
    ASSERT_EQ(S_OK, element->GetAttribute(L"id", id)) << Narrow(elementId);
    readHost->addLogicalChild(entity);
    trip.read[id] = entity;
    inOrder.push_back(id);
  }
  ASSERT_EQ(trip.source.size(), trip.read.size());

  ReportCapture reports;
  int failedReads = 0;
  for (const std::wstring& id : inOrder) {
    const bool contentKept = ZALMPVersion::IsAtLeast(trip.version, *ContentKeptFrom(*trip.source.at(id)));
    EXPECT_EQ(contentKept ? S_OK : E_FAIL, trip.read.at(id)->Deserialize(stored, trip.read)) << Narrow(id);
    failedReads += contentKept ? 0 : 1;
  }
  if (failedReads == 0) {
    EXPECT_EQ(0, reports.Count()) << "a layout that keeps everything reads without a report";
  }

  for (const auto& [id, source] : trip.source) {
    ASSERT_TRUE(trip.read.count(id)) << Narrow(id);
    RVLSharedHandle<ZALMPEntity> fresh;
    ASSERT_EQ(S_OK, ZALMPFactory::Create(source->getClassName(), fresh));
    ExpectReadBack(*source, *trip.read.at(id), *fresh, trip);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, DemoVersions,
                         ::testing::ValuesIn(std::vector<std::wstring>(ZALMPVersion::kAll.begin(),
                                                                       ZALMPVersion::kAll.end())),
                         [](const auto& info) {
                           std::string name = Narrow(info.param);
                           for (char& c : name)
                             if (c == '.') c = '_';
                           return name;
                         });

}  // namespace
