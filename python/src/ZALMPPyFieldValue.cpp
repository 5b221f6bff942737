#include "ZALMPPyFieldValue.h"

#include "ZALMPPyNames.h"

#include <ZALMPEntity.h>
#include <ZALMPField.h>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <string>
#include <vector>

namespace py = pybind11;

namespace {

// The NumPy shape of a geometric field; empty for the other types.
std::vector<py::ssize_t> ShapeOf(ZALMPFieldType::Enum type)
{
  switch (type) {
    case ZALMPFieldType::Point:
    case ZALMPFieldType::Vector:
      return {3};
    case ZALMPFieldType::Matrix:
    case ZALMPFieldType::Placement2D:
      return {3, 3};
    case ZALMPFieldType::Placement:
      return {4, 4};
    case ZALMPFieldType::Point2D:
    case ZALMPFieldType::Vector2D:
      return {2};
    case ZALMPFieldType::Matrix2D:
    case ZALMPFieldType::Line2D:
      return {2, 2};
    case ZALMPFieldType::Axis:
      return {4, 3};
    case ZALMPFieldType::Line:
    case ZALMPFieldType::Plane:
      return {2, 3};
    default:
      return {};
  }
}

std::string Describe(const ZALMPField& field)
{
  return "field '" + ZALMPPyNames::Attribute(field.Name()) + "' (" +
         ZALMPPyNames::Narrow(ZALMPFieldType::ToName(field.Type())) + ")";
}

ZALMPFieldValue Convert(const ZALMPField& field, py::handle value)
{
  const ZALMPFieldType::Enum type = field.Type();
  switch (type) {
    case ZALMPFieldType::Number:
      if (py::isinstance<py::bool_>(value) || !(py::isinstance<py::float_>(value) || py::isinstance<py::int_>(value)))
        break;
      return value.cast<double>();
    case ZALMPFieldType::Integer:
      if (py::isinstance<py::bool_>(value) || !py::isinstance<py::int_>(value)) break;
      try {
        return value.cast<std::int32_t>();
      } catch (const py::cast_error&) {
        throw py::value_error(Describe(field) + ": " + py::str(value).cast<std::string>() + " is out of range");
      }
    case ZALMPFieldType::Boolean:
      if (!py::isinstance<py::bool_>(value)) break;
      return value.cast<bool>();
    case ZALMPFieldType::Text:
    case ZALMPFieldType::Enumeration:
      if (!py::isinstance<py::str>(value)) break;
      return value.cast<std::wstring>();
    default: {
      if (py::isinstance<py::str>(value)) break;
      py::array_t<double> array;
      try {
        array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
      } catch (const py::error_already_set&) {
      }
      if (!array) break;
      const std::vector<py::ssize_t> shape = ShapeOf(type);
      if (std::vector<py::ssize_t>(array.shape(), array.shape() + array.ndim()) != shape) {
        std::string wanted;
        for (py::ssize_t extent : shape) wanted += (wanted.empty() ? "" : "x") + std::to_string(extent);
        throw py::value_error(Describe(field) + " takes an array of shape " + wanted);
      }
      std::vector<double> coordinates(array.data(), array.data() + array.size());
      if (type == ZALMPFieldType::Placement || type == ZALMPFieldType::Placement2D) {
        const std::size_t size = static_cast<std::size_t>(shape.front());
        for (std::size_t column = 0; column < size; ++column)
          if (coordinates[(size - 1) * size + column] != (column + 1 == size ? 1.0 : 0.0))
            throw py::value_error(Describe(field) + " is a homogeneous matrix: its last row is 0 ... 0 1");
      }
      return coordinates;
    }
  }
  throw py::type_error(Describe(field) + " cannot take a " +
                       py::str(py::type::handle_of(value).attr("__name__")).cast<std::string>());
}

}  // namespace

py::object ZALMPPyFieldValue::Read(const ZALMPField& field, const ZALMPEntity& entity)
{
  ZALMPFieldValue value;
  if (FAILED(field.Get(entity, value))) return py::none();
  if (const std::vector<double>* coordinates = std::get_if<std::vector<double>>(&value)) {
    py::array_t<double> array(ShapeOf(field.Type()));
    std::copy(coordinates->begin(), coordinates->end(), array.mutable_data());
    return array;
  }
  return std::visit([](const auto& held) -> py::object { return py::cast(held); }, value);
}

void ZALMPPyFieldValue::Write(const ZALMPField& field, ZALMPEntity& entity, py::handle value)
{
  if (!field.IsWritable()) throw py::attribute_error(Describe(field) + " can only be read");
  const ZALMPFieldValue converted = Convert(field, value);
  if (field.Type() == ZALMPFieldType::Enumeration) {
    const std::wstring& name = std::get<std::wstring>(converted);
    std::string names;
    bool known = false;
    for (std::wstring_view member : field.EnumerationNames()) {
      known = known || member == name;
      names += (names.empty() ? "" : ", ") + ZALMPPyNames::Narrow(member);
    }
    if (!known) throw py::value_error(Describe(field) + " is one of " + names);
  }
  const HRESULT status = field.Set(entity, converted);
  if (status == S_FALSE) throw py::value_error(Describe(field) + ": the value was refused");
  if (FAILED(status)) throw std::runtime_error(Describe(field) + ": the value could not be set");
}
