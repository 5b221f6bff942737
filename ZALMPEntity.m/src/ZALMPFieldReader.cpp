#include <ZALMPAssertionReport.h>
#include <ZALMPFieldReader.h>
#include <ZALMPSerializationServices.h>

#include <ZALMath2x2Matrix.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathDirection.h>
#include <ZALMathPoint.h>
#include <ZALMathPoint2D.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>
#include <ZALMathVector.h>
#include <ZALMathVector2D.h>

#include <array>

void ZALMPFieldReader::Report() const
{
  ZALMPAssertionReport("", m_where.file, m_where.line);
}

std::wstring ZALMPFieldReader::Version() const
{
  std::wstring version;
  if (m_element) m_element->GetVersion(version);
  return version;
}

const ZALMPDeserializer* ZALMPFieldReader::OwnElement(const ZALMPDeserializer* parent, std::wstring_view elementId) const
{
  ZALMPDeserializer* own = nullptr;
  if (!parent || FAILED(parent->GetElement(elementId, own)) || !own) {
    Report();
    return nullptr;
  }
  return own;
}

ZALMPDeserializer* ZALMPFieldReader::Child(std::wstring_view id) const
{
  if (!m_element) return nullptr;
  ZALMPDeserializer* child = nullptr;
  // One lookup: a missing child comes back null.
  m_element->GetElement(id, child);
  if (!child) Report();
  return child;
}

ZALMPFieldReader ZALMPFieldReader::Group(std::wstring_view id) const
{
  return ZALMPFieldReader(Child(id), m_where);
}

bool ZALMPFieldReader::Has(std::wstring_view id) const
{
  return m_element && m_element->HasElement(id);
}

namespace {

// The child's value; one that does not convert is reported by the element and here.
template <class T>
bool ValueOf(const ZALMPDeserializer* child, T& value, const ZALMPFieldReader& reader)
{
  if (!child) return false;
  T read{};
  if (FAILED(child->GetValue(read))) {
    reader.Report();
    return false;
  }
  value = std::move(read);
  return true;
}

}  // namespace

bool ZALMPFieldReader::Read(std::wstring_view id, double& value) const
{
  return ValueOf(Child(id), value, *this);
}

bool ZALMPFieldReader::Read(std::wstring_view id, bool& value) const
{
  return ValueOf(Child(id), value, *this);
}

bool ZALMPFieldReader::Read(std::wstring_view id, std::int32_t& value) const
{
  return ValueOf(Child(id), value, *this);
}

bool ZALMPFieldReader::Read(std::wstring_view id, std::wstring& text) const
{
  return ValueOf(Child(id), text, *this);
}

bool ZALMPFieldReader::Value(std::wstring& text) const
{
  return ValueOf(m_element, text, *this);
}

double ZALMPFieldReader::Number(std::wstring_view id) const
{
  double value = 0.0;
  Read(id, value);
  return value;
}

namespace {

// The element's attribute `id`; one that is missing or does not convert is reported by the element and here.
template <class T>
bool AttributeOf(const ZALMPDeserializer* element, std::wstring_view id, T& value, const ZALMPFieldReader& reader)
{
  if (!element) return false;
  if (FAILED(element->GetAttribute(id, value))) {
    reader.Report();
    return false;
  }
  return true;
}

}  // namespace

bool ZALMPFieldReader::Attribute(std::wstring_view id, double& value) const
{
  return AttributeOf(m_element, id, value, *this);
}

bool ZALMPFieldReader::Attribute(std::wstring_view id, std::int32_t& value) const
{
  return AttributeOf(m_element, id, value, *this);
}

bool ZALMPFieldReader::Attribute(std::wstring_view id, std::wstring& text) const
{
  return AttributeOf(m_element, id, text, *this);
}

ZALMathPoint ZALMPFieldReader::Point(const ZALMPTripleIds& ids) const
{
  const double x = Number(ids[0]);
  const double y = Number(ids[1]);
  const double z = Number(ids[2]);
  return {x, y, z};
}

ZALMathVector ZALMPFieldReader::Vector(const ZALMPTripleIds& ids) const
{
  const double x = Number(ids[0]);
  const double y = Number(ids[1]);
  const double z = Number(ids[2]);
  return {x, y, z};
}

ZALMathVector ZALMPFieldReader::Direction(const ZALMPTripleIds& ids) const
{
  return ZALMathDirection(Vector(ids)).GetVector();
}

bool ZALMPFieldReader::Triple(std::wstring_view id, const ZALMPTripleIds& ids, double (&values)[3],
                              const double* absent) const
{
  const ZALMPFieldReader group = Group(id);
  if (!group) return false;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (!group.Has(ids[i])) {
      if (absent) values[i] = *absent;
      continue;
    }
    ZALMPDeserializer* number = nullptr;
    // A number that does not convert is reported by the element and keeps its entry.
    group.m_element->GetElement(ids[i], number, values[i]);
  }
  return true;
}

namespace {

// The numbers `ids` of `group`, each missing one (reported by the element) reading as 0.
template <std::size_t N>
std::array<double, N> ReadNumbers(const ZALMPDeserializer& group, const std::array<std::wstring_view, N>& ids)
{
  std::array<double, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    ZALMPDeserializer* number = nullptr;
    group.GetElement(ids[i], number, values[i]);
  }
  return values;
}

ZALMathVector ReadVector(const ZALMPDeserializer& group, const ZALMPTripleIds& ids)
{
  const std::array<double, 3> values = ReadNumbers(group, ids);
  return ZALMathVector(values[0], values[1], values[2]);
}

ZALMathVector2D ReadVector(const ZALMPDeserializer& group, const ZALMPPairIds& ids)
{
  const std::array<double, 2> values = ReadNumbers(group, ids);
  return ZALMathVector2D(values[0], values[1]);
}

// Child `id` of `in` holding the numbers `ids` (each missing one reading as
// 0) into `vector`; false (unchanged) when `id` is missing.
template <class Ids, class Vector>
bool ReadGroup(const ZALMPFieldReader& in, std::wstring_view id, const Ids& ids, Vector& vector)
{
  const ZALMPFieldReader group = in.Group(id);
  if (!group) return false;
  vector = ReadVector(*group.Element(), ids);
  return true;
}

// Child `id` holding the translation vector and the rotation matrix, in space
// or in the plane; the placement starts as the identity and a missing part
// keeps that part.
template <class Transformation, class Vector, class Matrix>
bool ReadPlacement(const ZALMPFieldReader& in, std::wstring_view id, Transformation& placement,
                   std::wstring_view translationId, std::wstring_view rotationId)
{
  const ZALMPFieldReader group = in.Group(id);
  if (!group) return false;
  Transformation read;
  Vector translation;
  if (group.Vector(translationId, translation)) read.SetVector(translation);
  Matrix rotation;
  if (group.Matrix(rotationId, rotation)) read.SetMatrix(rotation);
  placement = read;
  return true;
}

}  // namespace

bool ZALMPFieldReader::Point(std::wstring_view id, ZALMathPoint& point) const
{
  ZALMathVector read;
  if (!ReadGroup(*this, id, ZALMPFieldWriter::kPointIds, read)) return false;
  point.SetCoord(read.GetX(), read.GetY(), read.GetZ());
  return true;
}

bool ZALMPFieldReader::Vector(std::wstring_view id, ZALMathVector& vector) const
{
  return ReadGroup(*this, id, ZALMPFieldWriter::kVectorIds, vector);
}

bool ZALMPFieldReader::Matrix(std::wstring_view id, ZALMath3x3Matrix& matrix) const
{
  const ZALMPFieldReader group = Group(id);
  if (!group) return false;
  const auto& columns = ZALMPFieldWriter::kColumnIds;
  matrix = ZALMath3x3Matrix(ReadVector(*group.m_element, columns[0]), ReadVector(*group.m_element, columns[1]),
                            ReadVector(*group.m_element, columns[2]));
  return true;
}

bool ZALMPFieldReader::Placement(std::wstring_view id, ZALMathTransformation& placement) const
{
  return ReadPlacement<ZALMathTransformation, ZALMathVector, ZALMath3x3Matrix>(
      *this, id, placement, ZALMPFieldWriter::kTranslationId, ZALMPFieldWriter::kRotationId);
}

ZALMathPoint2D ZALMPFieldReader::Point(const ZALMPPairIds& ids) const
{
  const ZALMathVector2D read = Vector(ids);
  return {read.GetX(), read.GetY()};
}

ZALMathVector2D ZALMPFieldReader::Vector(const ZALMPPairIds& ids) const
{
  const double x = Number(ids[0]);
  const double y = Number(ids[1]);
  return {x, y};
}

bool ZALMPFieldReader::Point(std::wstring_view id, ZALMathPoint2D& point) const
{
  ZALMathVector2D read;
  if (!ReadGroup(*this, id, ZALMPFieldWriter::kPlanarPointIds, read)) return false;
  point.SetCoord(read.GetX(), read.GetY());
  return true;
}

bool ZALMPFieldReader::Vector(std::wstring_view id, ZALMathVector2D& vector) const
{
  return ReadGroup(*this, id, ZALMPFieldWriter::kPlanarVectorIds, vector);
}

bool ZALMPFieldReader::Matrix(std::wstring_view id, ZALMath2x2Matrix& matrix) const
{
  const ZALMPFieldReader group = Group(id);
  if (!group) return false;
  const auto& columns = ZALMPFieldWriter::kPlanarColumnIds;
  matrix = ZALMath2x2Matrix(ReadVector(*group.m_element, columns[0]), ReadVector(*group.m_element, columns[1]));
  return true;
}

bool ZALMPFieldReader::Placement(std::wstring_view id, ZALMathTransformation2D& placement,
                                 std::wstring_view translationId, std::wstring_view rotationId) const
{
  return ReadPlacement<ZALMathTransformation2D, ZALMathVector2D, ZALMath2x2Matrix>(*this, id, placement,
                                                                                   translationId, rotationId);
}
