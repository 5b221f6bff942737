#include "ZALMPPyKinds.h"

#include "ZALMPPyEntity.h"
#include "ZALMPPyFieldValue.h"
#include "ZALMPPyNames.h"

#include <ZALMPClassTable.h>
#include <ZALMPFactory.h>
#include <ZALMPFieldTable.h>
#include <ZALMPLinkTable.h>

#include <map>
#include <set>
#include <string>

namespace py = pybind11;

namespace {

constexpr std::string_view kEntityClass = "ZALMPEntity";

bool IsEntityClass(std::string_view className)
{
  while (className != kEntityClass) {
    const ZALMPClassTable::Row* row = ZALMPClassTable::Find(className);
    if (!row) return false;
    className = row->baseName;
  }
  return true;
}

// One property per field and per link that `sample` (an entity of the
// class) has, on the class `kind`.
void AddProperties(py::object& kind, const ZALMPEntity& sample)
{
  py::object property = py::module_::import("builtins").attr("property");
  std::set<std::string> taken;
  std::string doc = "\n\nFields:";
  sample.GetFieldTable().ForEachField([&](const ZALMPField& field) {
    const std::string name = ZALMPPyNames::Attribute(field.Name());
    taken.insert(name);
    doc += "\n    " + name + " (" + ZALMPPyNames::Narrow(ZALMPFieldType::ToName(field.Type())) + ")";
    py::cpp_function get([&field](const ZALMPPyEntity& self) { return ZALMPPyFieldValue::Read(field, *self.entity); });
    py::object set = py::none();
    if (field.IsWritable())
      set = py::cpp_function(
          [&field](ZALMPPyEntity& self, py::handle value) { ZALMPPyFieldValue::Write(field, *self.entity, value); });
    py::setattr(kind, name.c_str(), property(get, set));
  });
  doc += "\n\nLinks:";
  sample.GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
    const std::string name = ZALMPPyKinds::LinkAttribute(link);
    // A field of that name wins; the link stays reachable through links() and link().
    if (!link.IsVisited() || !taken.insert(name).second) return;
    doc += "\n    " + name + " (" + (link.IsList() ? "list of " : "") + link.PartnerClass().getClassName() + ")";
    py::cpp_function get([&link](const ZALMPPyEntity& self) { return self.Partners(link); });
    py::object set = py::none();
    if (!link.IsList())
      set = py::cpp_function([&link](ZALMPPyEntity& self, ZALMPPyEntity& partner) { self.Link(link, partner); });
    py::setattr(kind, name.c_str(), property(get, set));
  });
  kind.attr("__doc__") = py::str(kind.attr("__doc__")) + py::str(doc);
}

// The Python class of `className`, made after its base's.
py::object MakeKind(py::module_& module, const py::object& entityClass, std::string_view className,
                    py::dict& kinds)
{
  if (className == kEntityClass) return entityClass;
  const std::string key(className);
  if (kinds.contains(key)) return kinds[py::str(key)];
  const ZALMPClassTable::Row& row = *ZALMPClassTable::Find(className);
  const py::object base = MakeKind(module, entityClass, row.baseName, kinds);

  RVLSharedHandle<ZALMPEntity> sample;
  const bool concrete = row.factory && SUCCEEDED(ZALMPFactory::Create(key, sample));
  const std::string pythonName = ZALMPPyNames::Class(className);
  py::dict members;
  members["__module__"] = "zalmp";
  members["__doc__"] = concrete ? "The entity kind " + key + "." : "The abstract entity kind " + key + ".";
  members["class_name"] = key;
  members["__init__"] = py::cpp_function(
      [key, concrete, entityClass](py::handle self, const std::wstring& name) {
        if (!concrete) throw py::type_error(key + " is abstract: make one of its kinds");
        entityClass.attr("__init__")(self, key, name);
      },
      py::is_method(py::none()), py::arg("name") = std::wstring());
  py::object kind = py::type::of(entityClass)(pythonName, py::make_tuple(base), members);
  if (sample) {
    AddProperties(kind, *sample);
    ZALMPEntity::destroy(sample);
  }
  module.attr(pythonName.c_str()) = kind;
  kinds[py::str(key)] = kind;
  return kind;
}

}  // namespace

void ZALMPPyKinds::Bind(py::module_& module, const py::object& entityClass)
{
  py::dict kinds;
  for (const ZALMPClassTable::Row& row : ZALMPClassTable::Rows())
    if (IsEntityClass(row.className)) MakeKind(module, entityClass, row.className, kinds);
  module.attr("kinds") = kinds;

  module.def(
      "create",
      [](const std::string& className, const std::wstring& name) {
        RVLSharedHandle<ZALMPEntity> made;
        if (FAILED(ZALMPFactory::Create(className, made)))
          throw py::type_error("no entity kind can be made under the name '" + className + "'");
        made->setEntityName(name);
        return Wrap(made, nullptr);
      },
      py::arg("class_name"), py::arg("name") = std::wstring(),
      "A new entity of the kind `class_name` (\"ZALMPRevolute\"), named `name`; TypeError for a name the "
      "factory cannot make (unknown or abstract).");
}

py::object ZALMPPyKinds::Wrap(const RVLSharedHandle<ZALMPEntity>& entity, const ZALMPPyModelShare& model)
{
  if (!entity) return py::none();
  const py::module_ module = py::module_::import("zalmp");
  const py::dict kinds = module.attr("kinds");
  // The nearest class that has a Python class: a host's own kinds show as their library base.
  py::object kind;
  for (const RVLClassInfo* info = &entity->getClassInfo(); info && !kind; info = info->getBase())
    if (kinds.contains(info->getClassName())) kind = kinds[info->getClassName()];
  if (!kind) kind = module.attr("Entity");
  ZALMPPyEntity held{entity, model};
  py::object object = kind.attr("__new__")(kind);
  module.attr("Entity").attr("__init__")(object, py::capsule(&held, kCapsuleName));
  return object;
}

std::string ZALMPPyKinds::LinkAttribute(const ZALMPLink& link)
{
  return ZALMPPyNames::Attribute(link.IsList() ? link.GroupId() : link.ItemId());
}
