#include "ZALMPPyEntity.h"
#include "ZALMPPyFiles.h"
#include "ZALMPPyKinds.h"
#include "ZALMPPyObserver.h"
#include "ZALMPPyWorld.h"

#include <ZALMPVersion.h>

#include <pybind11/stl.h>

#include <string>
#include <vector>

namespace py = pybind11;

PYBIND11_MODULE(zalmp, module)
{
  module.doc() = R"(The entity model of a multibody mechanism, for scripts.

Every entity kind of the library is a class here (zalmp.Revolute,
zalmp.LinearSpring, ... and zalmp.kinds by class name), made from the
library's own description of its kinds: its fields are properties (numbers
as float, points, vectors, matrices and placements as NumPy arrays,
enumerations by member name) and its links are properties holding entities
(a list for a list link, an entity or None for a single one).

Files: load(path) -> Model (world, version, warnings); save(world, path,
version); import_urdf(path) -> Model; export_urdf(world, path) -> warnings.

Outcomes: an operation the library answers "refused" or "nothing to do"
returns False (World.add of an entity already filed, World.remove of one
that is not, Entity.link of a partner already linked), True when done. A
failure raises: zalmp.Error for files (the library's message, with line and
column for malformed XML; nothing is half-loaded), TypeError for a value or
partner of the wrong kind, ValueError for a value of the wrong shape or an
unknown enumeration member or a value the entity refuses, RuntimeError when
the library fails. A field the entity cannot give (a value property held as
an expression, or not set) reads as None.

Lifetimes: an entity object keeps its entity alive, and an entity taken from
a world keeps that world (and so its links) alive; a world and its entities
are freed when Python holds none of them.)";

  py::class_<ZALMPPyEntity> entity = ZALMPPyEntity::Bind(module);
  ZALMPPyKinds::Bind(module, entity);
  ZALMPPyWorld::Bind(module);
  ZALMPPyFiles::Bind(module);
  ZALMPPyObserver::Bind(module);

  std::vector<std::wstring> versions(ZALMPVersion::kAll.begin(), ZALMPVersion::kAll.end());
  module.attr("versions") = versions;
  module.attr("newest_version") = std::wstring(ZALMPVersion::kNewest);
}
