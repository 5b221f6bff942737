#include "ZALMPPyObserver.h"

#include "ZALMPPyKinds.h"
#include "ZALMPPyWorld.h"

#include <ZALMPBody.h>
#include <ZALMPEntity.h>

namespace py = pybind11;

namespace {

ZALMPObserver::SinceWhen When(bool sinceReset)
{
  return sinceReset ? ZALMPObserver::SinceReset : ZALMPObserver::SinceSubscription;
}

// The entities `get` lists, `count` of them.
template <class T>
py::list Listed(const ZALMPPyObserver& self, std::uint64_t count,
                HRESULT (ZALMPObserver::*get)(int, RVLSharedHandle<T>&, ZALMPObserver::SinceWhen) const,
                ZALMPObserver::SinceWhen when)
{
  py::list listed;
  for (std::uint64_t i = 0; i < count; ++i) {
    RVLSharedHandle<T> entity;
    if (SUCCEEDED(((*self.observer).*get)(static_cast<int>(i), entity, when)))
      listed.append(ZALMPPyKinds::Wrap(entity, self.model));
  }
  return listed;
}

}  // namespace

void ZALMPPyObserver::Bind(py::module_& module)
{
  py::class_<ZALMPPyObserver>(module, "Observer", R"(Lists the entities of a world that reported a change.

Subscribe it to a world; every entity filed then is listened to. Bodies that
report are listed as moving bodies, every other kind as modified entities,
each once, since subscription and since the last reset.)")
      .def(py::init<>())
      .def(
          "subscribe",
          [](ZALMPPyObserver& self, const ZALMPPyWorld& world) {
            if (FAILED(self.observer->Subscribe(world.model->WorldHandle())))
              throw std::runtime_error("the observer could not subscribe to the world");
            self.model = world.model;
          },
          py::arg("world"), "Listens to every entity the world holds now (forgetting what was listed).")
      .def(
          "unsubscribe",
          [](ZALMPPyObserver& self) {
            self.observer->Unsubscribe();
            self.model.reset();
          },
          "Stops listening and forgets what was listed.")
      .def("reset", [](ZALMPPyObserver& self) { self.observer->Reset(); }, "Empties the lists kept since reset.")
      .def(
          "moving_bodies",
          [](const ZALMPPyObserver& self, bool sinceReset) {
            return Listed(self, self.observer->GetMovingBodyCount(When(sinceReset)), &ZALMPObserver::GetMovingBody,
                          When(sinceReset));
          },
          py::arg("since_reset") = false, "The bodies that reported a move, in the order of their first report.")
      .def(
          "modified_entities",
          [](const ZALMPPyObserver& self, bool sinceReset) {
            return Listed(self, self.observer->GetModifiedEntityCount(When(sinceReset)),
                          &ZALMPObserver::GetModifiedEntity, When(sinceReset));
          },
          py::arg("since_reset") = false, "The other entities that reported a change, in order.");
}
