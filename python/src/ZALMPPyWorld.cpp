#include "ZALMPPyWorld.h"

#include "ZALMPPyEntity.h"
#include "ZALMPPyKinds.h"
#include "ZALMPPyRegistries.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPVariable.h>

#include <RVLSharedList.h>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <array>
#include <string>

namespace py = pybind11;

namespace {

/// One registry of one world, as a read-only sequence.
struct RegistryView {
  ZALMPPyModelShare model;
  const ZALMPPyRegistries::Registry* registry;

  int Count() const { return registry->count(model->World()); }
  py::object At(int index) const
  {
    const int count = Count();
    if (index < 0) index += count;
    if (index < 0 || index >= count) throw py::index_error(registry->attribute + " index out of range");
    return ZALMPPyKinds::Wrap(registry->get(model->World(), index), model);
  }
};

py::array_t<double> Triple(double x, double y, double z)
{
  py::array_t<double> array(3);
  double* out = array.mutable_data();
  out[0] = x;
  out[1] = y;
  out[2] = z;
  return array;
}

std::array<double, 3> TripleOf(const py::handle& value)
{
  const py::array_t<double> array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
  if (!array || array.ndim() != 1 || array.shape(0) != 3) throw py::value_error("three numbers are needed");
  return {array.at(0), array.at(1), array.at(2)};
}

const ZALMPPyRegistries::Registry& RegistryFor(const ZALMPPyEntity& entity)
{
  if (!entity.entity) throw py::value_error("the entity object was never made");
  const ZALMPPyRegistries::Registry* registry = ZALMPPyRegistries::Of(*entity.entity);
  if (!registry) throw py::type_error(std::string(entity.entity->getClassName()) + " is filed in no registry");
  return *registry;
}

ZALMPPyWorld Wrapped(RVLSharedHandle<ZALMPWorld> copy)
{
  if (!copy) throw std::runtime_error("the copy's world could not be made");
  // A copy owns the host world it lives in.
  return ZALMPPyWorld{std::make_shared<ZALMPPyModel>(nullptr, std::move(copy))};
}

template <class T>
py::object Global(const ZALMPPyWorld& self, HRESULT (ZALMPWorld::*get)(RVLSharedHandle<T>&) const)
{
  RVLSharedHandle<T> global;
  (self.model->World().*get)(global);
  return ZALMPPyKinds::Wrap(global, self.model);
}

}  // namespace

void ZALMPPyWorld::Bind(py::module_& module)
{
  py::class_<RegistryView>(module, "Registry", "The entities of one kind in a world, in the order they were filed.")
      .def("__len__", &RegistryView::Count)
      .def("__getitem__", &RegistryView::At)
      .def("__iter__",
           [](const RegistryView& self) {
             py::list all;
             for (int i = 0; i < self.Count(); ++i) all.append(self.At(i));
             return py::iter(all);
           })
      .def("__repr__", [](const RegistryView& self) {
        return "<zalmp.Registry " + self.registry->attribute + " (" + std::to_string(self.Count()) + ")>";
      });

  py::class_<ZALMPPyWorld> world(module, "World", R"(A world: one registry per entity kind, the globals and the settings.

The world, its entities and their links live as long as the world or any
entity taken from it is referenced.)");
  world.def(py::init([] { return ZALMPPyWorld{ZALMPPyModel::MakeEmpty()}; }), "A new world with its three globals.");
  for (const ZALMPPyRegistries::Registry& registry : ZALMPPyRegistries::All())
    world.def_property_readonly(
        registry.attribute.c_str(),
        [&registry](const ZALMPPyWorld& self) { return RegistryView{self.model, &registry}; },
        ("The " + registry.attribute + " of the world (" + registry.kind->getClassName() + ").").c_str());
  world
      .def_property_readonly("registries",
                             [](const ZALMPPyWorld& self) {
                               py::dict all;
                               for (const ZALMPPyRegistries::Registry& registry : ZALMPPyRegistries::All())
                                 all[py::str(registry.attribute)] = RegistryView{self.model, &registry};
                               return all;
                             },
                             "Every registry by name, in the world's order.")
      .def_property_readonly("global_body",
                             [](const ZALMPPyWorld& self) { return Global(self, &ZALMPWorld::GetGlobalBody); })
      .def_property_readonly("global_axis_system",
                             [](const ZALMPPyWorld& self) { return Global(self, &ZALMPWorld::GetGlobalAxisSystem); })
      .def_property_readonly("global_time",
                             [](const ZALMPPyWorld& self) { return Global(self, &ZALMPWorld::GetGlobalTime); })
      .def_property(
          "linear_tolerance", [](const ZALMPPyWorld& self) { return self.model->World().GetLinearTolerance(); },
          [](ZALMPPyWorld& self, double value) { self.model->World().SetLinearTolerance(value); })
      .def_property(
          "angular_tolerance", [](const ZALMPPyWorld& self) { return self.model->World().GetAngularTolerance(); },
          [](ZALMPPyWorld& self, double value) { self.model->World().SetAngularTolerance(value); })
      .def_property(
          "origin",
          [](const ZALMPPyWorld& self) {
            ZALMathPoint origin;
            self.model->World().GetOrigin(origin);
            return Triple(origin.GetX(), origin.GetY(), origin.GetZ());
          },
          [](ZALMPPyWorld& self, const py::handle& value) {
            const std::array<double, 3> xyz = TripleOf(value);
            self.model->World().SetOrigin(ZALMathPoint(xyz[0], xyz[1], xyz[2]));
          })
      .def_property(
          "size",
          [](const ZALMPPyWorld& self) {
            double x = 0, y = 0, z = 0;
            self.model->World().GetSize(x, y, z);
            return Triple(x, y, z);
          },
          [](ZALMPPyWorld& self, const py::handle& value) {
            const std::array<double, 3> xyz = TripleOf(value);
            self.model->World().SetSize(xyz[0], xyz[1], xyz[2]);
          })
      .def_property(
          "gravity",
          [](const ZALMPPyWorld& self) {
            ZALMathVector gravity;
            self.model->World().GetGravity(gravity);
            return Triple(gravity.GetX(), gravity.GetY(), gravity.GetZ());
          },
          [](ZALMPPyWorld& self, const py::handle& value) {
            const std::array<double, 3> xyz = TripleOf(value);
            self.model->World().SetGravity(ZALMathVector(xyz[0], xyz[1], xyz[2]));
          })
      .def(
          "add",
          [](ZALMPPyWorld& self, ZALMPPyEntity& entity) {
            const HRESULT status = RegistryFor(entity).add(self.model->World(), entity.entity);
            if (FAILED(status)) throw std::runtime_error("the entity could not be filed");
            if (status == S_OK && !entity.model) entity.model = self.model;
            return status == S_OK;
          },
          py::arg("entity"),
          "Files the entity in the registry of its kind. True: filed; False: refused (already filed).")
      .def(
          "remove",
          [](ZALMPPyWorld& self, const ZALMPPyEntity& entity) {
            const HRESULT status = RegistryFor(entity).remove(self.model->World(), entity.entity);
            if (FAILED(status)) throw std::runtime_error("the world's registry is inconsistent");
            return status == S_OK;
          },
          py::arg("entity"),
          "Takes the entity out of its registry (the entity and its links stay). True: removed; False: "
          "it was not filed.")
      .def(
          "clone", [](const ZALMPPyWorld& self) { return Wrapped(self.model->World().Clone()); },
          "A new world with copies of every entity and of the settings and globals.")
      .def(
          "clone_with_filter",
          [](const ZALMPPyWorld& self, const std::vector<ZALMPPyEntity>& entities) {
            RVLSharedList<ZALMPEntity> listed;
            for (const ZALMPPyEntity& entity : entities) listed.push_back(entity.entity);
            return Wrapped(self.model->World().CloneWithFilter(listed));
          },
          py::arg("entities"),
          "A new world with copies of the listed entities only, linked to each other as their sources are.")
      .def("__repr__", [](const ZALMPPyWorld& self) {
        std::string counts;
        for (const ZALMPPyRegistries::Registry& registry : ZALMPPyRegistries::All())
          if (const int count = registry.count(self.model->World()); count > 0)
            counts += " " + registry.attribute + "=" + std::to_string(count);
        return "<zalmp.World" + counts + ">";
      });
}
