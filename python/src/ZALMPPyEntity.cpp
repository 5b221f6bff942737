#include "ZALMPPyEntity.h"

#include "ZALMPPyFieldValue.h"
#include "ZALMPPyKinds.h"
#include "ZALMPPyNames.h"

#include <ZALMPFactory.h>
#include <ZALMPFieldTable.h>
#include <ZALMPLinkTable.h>

#include <pybind11/stl.h>

#include <functional>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

ZALMPEntity& Held(const ZALMPPyEntity& self)
{
  if (!self.entity) throw std::runtime_error("the entity object was never made");
  return *self.entity;
}

// The field or link with the Python `name` (or its own name), or null.
const ZALMPField* FindField(const ZALMPEntity& entity, const std::string& name)
{
  const ZALMPField* found = nullptr;
  entity.GetFieldTable().ForEachField([&](const ZALMPField& field) {
    if (ZALMPPyNames::Attribute(field.Name()) == name || ZALMPPyNames::Narrow(field.Name()) == name) found = &field;
  });
  return found;
}

const ZALMPLink* FindLink(const ZALMPEntity& entity, const std::string& name)
{
  const ZALMPLink* found = nullptr;
  entity.GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
    if (link.IsVisited() && ZALMPPyKinds::LinkAttribute(link) == name) found = &link;
  });
  return found;
}

const ZALMPField& FieldNamed(const ZALMPEntity& entity, const std::string& name)
{
  if (const ZALMPField* field = FindField(entity, name)) return *field;
  throw py::key_error(std::string(entity.getClassName()) + " has no field '" + name + "'");
}

const ZALMPLink& LinkNamed(const ZALMPEntity& entity, const std::string& name)
{
  if (const ZALMPLink* link = FindLink(entity, name)) return *link;
  throw py::key_error(std::string(entity.getClassName()) + " has no link '" + name + "'");
}

}  // namespace

py::object ZALMPPyEntity::Partners(const ZALMPLink& link) const
{
  py::list partners;
  link.ForEachPartner(Held(*this), [&](const RVLSharedHandle<ZALMPEntity>& partner) {
    partners.append(ZALMPPyKinds::Wrap(partner, model));
  });
  if (link.IsList()) return partners;
  return partners.empty() ? py::none() : py::object(partners[0]);
}

bool ZALMPPyEntity::Link(const ZALMPLink& link, ZALMPPyEntity& partner)
{
  ZALMPEntity& owner = Held(*this);
  if (!Held(partner).isDerivedFrom(link.PartnerClass()))
    throw py::type_error(std::string(owner.getClassName()) + "." + ZALMPPyKinds::LinkAttribute(link) + " takes a " +
                         link.PartnerClass().getClassName() + ", not a " + partner.entity->getClassName());
  const HRESULT status = link.Link(owner, partner.entity);
  if (FAILED(status))
    throw std::runtime_error(std::string(owner.getClassName()) + "." + ZALMPPyKinds::LinkAttribute(link) +
                             ": the link could not be made");
  if (!partner.model) partner.model = model;
  return status == S_OK;
}

py::class_<ZALMPPyEntity> ZALMPPyEntity::Bind(py::module_& module)
{
  py::class_<ZALMPPyEntity> entity(module, "Entity", R"(The base of every entity kind.

Make entities through their kind's class (``zalmp.Revolute("Hinge")``) or
``zalmp.create("ZALMPRevolute", "Hinge")``. Fields and links are attributes
of each kind's class; ``fields()``, ``field()``/``set_field()`` and
``links()``/``link()`` reach them by name.)");

  entity
      .def(py::init([](const py::capsule& made) {
             // Wrapping an entity the library already holds (see ZALMPPyKinds::Wrap).
             if (std::string(made.name()) != ZALMPPyKinds::kCapsuleName) throw py::type_error("not an entity");
             return *made.get_pointer<ZALMPPyEntity>();
           }),
           py::arg("made"))
      .def(py::init([](const std::string& className, const std::wstring& name) {
             RVLSharedHandle<ZALMPEntity> made;
             if (FAILED(ZALMPFactory::Create(className, made)))
               throw py::type_error("no entity kind can be made under the name '" + className + "'");
             made->setEntityName(name);
             return ZALMPPyEntity{made, nullptr};
           }),
           py::arg("class_name"), py::arg("name") = std::wstring())
      .def_property(
          "name", [](const ZALMPPyEntity& self) { return Held(self).getEntityName(); },
          [](ZALMPPyEntity& self, const std::wstring& name) { Held(self).setEntityName(name); })
      .def_property_readonly("identifier",
                             [](const ZALMPPyEntity& self) {
                               std::wstring id;
                               if (FAILED(Held(self).GetIdentifier(id)))
                                 throw std::runtime_error("the identifier could not be made");
                               return id;
                             })
      .def_property_readonly("kind", [](const ZALMPPyEntity& self) { return std::string(Held(self).getClassName()); })
      .def_property(
          "active", [](const ZALMPPyEntity& self) { return Held(self).IsActive(); },
          [](ZALMPPyEntity& self, bool active) {
            ZALMPEntity& entity = Held(self);
            if (FAILED(active ? entity.Activate() : entity.Deactivate()))
              throw std::runtime_error("the entity's loader refused the change");
          })
      .def_property_readonly(
          "alive", [](const ZALMPPyEntity& self) { return self.entity.IsAlive(); },
          "False once the entity's world has let go of its entities (they keep their fields, not their links).")
      .def(
          "fields",
          [](const ZALMPPyEntity& self) {
            py::dict fields;
            const ZALMPEntity& entity = Held(self);
            entity.GetFieldTable().ForEachField([&](const ZALMPField& field) {
              fields[py::str(ZALMPPyNames::Attribute(field.Name()))] = ZALMPPyFieldValue::Read(field, entity);
            });
            return fields;
          },
          "Every field's value by attribute name.")
      .def(
          "field", [](const ZALMPPyEntity& self, const std::string& name) {
            return ZALMPPyFieldValue::Read(FieldNamed(Held(self), name), Held(self));
          },
          py::arg("name"), "The value of the field `name` (attribute or field name); KeyError when there is none.")
      .def(
          "set_field",
          [](ZALMPPyEntity& self, const std::string& name, py::handle value) {
            ZALMPPyFieldValue::Write(FieldNamed(Held(self), name), Held(self), value);
          },
          py::arg("name"), py::arg("value"), "Sets the field `name`, as assigning its attribute does.")
      .def(
          "field_types",
          [](const ZALMPPyEntity& self) {
            py::dict types;
            Held(self).GetFieldTable().ForEachField([&](const ZALMPField& field) {
              types[py::str(ZALMPPyNames::Attribute(field.Name()))] = ZALMPFieldType::ToName(field.Type());
            });
            return types;
          },
          "Each field's type by attribute name: Number, Integer, Boolean, Text, Point, Vector, Matrix, "
          "Placement, their planar twins (Point2D ...) or Enumeration.")
      .def(
          "members",
          [](const ZALMPPyEntity& self, const std::string& name) {
            std::vector<std::wstring> members;
            for (std::wstring_view member : FieldNamed(Held(self), name).EnumerationNames()) members.emplace_back(member);
            return members;
          },
          py::arg("name"), "The member names an enumeration field takes, in order; empty for other fields.")
      .def(
          "links",
          [](const ZALMPPyEntity& self) {
            py::dict links;
            Held(self).GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
              if (link.IsVisited()) links[py::str(ZALMPPyKinds::LinkAttribute(link))] = self.Partners(link);
            });
            return links;
          },
          "Every link's partners by attribute name: a list for a list link, an entity or None for a single one.")
      .def(
          "link_kinds",
          [](const ZALMPPyEntity& self) {
            py::dict kinds;
            Held(self).GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
              if (link.IsVisited()) kinds[py::str(ZALMPPyKinds::LinkAttribute(link))] = link.PartnerClass().getClassName();
            });
            return kinds;
          },
          "The class name of each link's partners by attribute name.")
      .def(
          "link",
          [](ZALMPPyEntity& self, const std::string& name, ZALMPPyEntity& partner) {
            return self.Link(LinkNamed(Held(self), name), partner);
          },
          py::arg("name"), py::arg("partner"),
          "Links `partner` through the link `name` (one side only: the partner's own link back is made "
          "through the partner). True: linked; False: refused (already linked). TypeError: the partner is "
          "of another kind.")
      .def("notify_update", [](ZALMPPyEntity& self) { Held(self).NotifyUpdate(); },
           "Tells the entity's observers that it changed.")
      .def("__eq__",
           [](const ZALMPPyEntity& self, const py::object& other) {
             return py::isinstance<ZALMPPyEntity>(other) && other.cast<const ZALMPPyEntity&>().entity == self.entity;
           })
      .def("__hash__", [](const ZALMPPyEntity& self) { return std::hash<const void*>()(self.entity.get()); })
      .def("__repr__", [](const py::object& self) {
        const ZALMPPyEntity& held = self.cast<const ZALMPPyEntity&>();
        return "<zalmp." + py::str(py::type::handle_of(self).attr("__name__")).cast<std::string>() + " " +
               py::repr(py::cast(Held(held).getEntityName())).cast<std::string>() + ">";
      });
  return entity;
}
