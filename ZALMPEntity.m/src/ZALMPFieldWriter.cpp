#include <ZALMPAssertionReport.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSerializationServices.h>

#include <ZALMath2x2Matrix.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathPoint.h>
#include <ZALMathPoint2D.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>
#include <ZALMathVector.h>
#include <ZALMathVector2D.h>

void ZALMPFieldWriter::Report() const
{
  ZALMPAssertionReport("", m_where.file, m_where.line);
}

std::wstring ZALMPFieldWriter::Version() const
{
  std::wstring version;
  if (m_element) m_element->GetVersion(version);
  return version;
}

ZALMPSerializer* ZALMPFieldWriter::AddOwnElement(ZALMPSerializer* parent, std::wstring_view elementId) const
{
  ZALMPSerializer* own = nullptr;
  if (!parent || FAILED(parent->AddElement(elementId, own)) || !own) {
    Report();
    return nullptr;
  }
  return own;
}

ZALMPFieldWriter ZALMPFieldWriter::Group(std::wstring_view id) const
{
  ZALMPSerializer* group = nullptr;
  if (m_element && (FAILED(m_element->AddElement(id, group)) || !group)) {
    Report();
    group = nullptr;
  }
  return ZALMPFieldWriter(group, m_where);
}

ZALMPFieldWriter ZALMPFieldWriter::Group(std::wstring_view id, std::wstring_view value) const
{
  ZALMPSerializer* group = nullptr;
  if (m_element && (FAILED(m_element->AddElement(id, group, value)) || !group)) {
    Report();
    group = nullptr;
  }
  return ZALMPFieldWriter(group, m_where);
}

namespace {

template <class T>
bool AddValue(ZALMPSerializer* element, std::wstring_view id, T value, const ZALMPFieldWriter& writer)
{
  if (!element) return false;
  ZALMPSerializer* child = nullptr;
  if (SUCCEEDED(element->AddElement(id, child, value))) return true;
  writer.Report();
  return false;
}

}  // namespace

bool ZALMPFieldWriter::Number(std::wstring_view id, double value) const
{
  return AddValue(m_element, id, value, *this);
}

bool ZALMPFieldWriter::Value(std::wstring_view id, bool value) const
{
  return AddValue(m_element, id, value, *this);
}

bool ZALMPFieldWriter::Value(std::wstring_view id, std::int32_t value) const
{
  return AddValue(m_element, id, value, *this);
}

bool ZALMPFieldWriter::Value(std::wstring_view id, std::wstring_view text) const
{
  return AddValue(m_element, id, text, *this);
}

namespace {

template <class T>
bool AddAttribute(ZALMPSerializer* element, std::wstring_view id, T value, const ZALMPFieldWriter& writer)
{
  if (!element) return false;
  if (SUCCEEDED(element->AddAttribute(id, value))) return true;
  writer.Report();
  return false;
}

}  // namespace

bool ZALMPFieldWriter::Attribute(std::wstring_view id, double value) const
{
  return AddAttribute(m_element, id, value, *this);
}

bool ZALMPFieldWriter::Attribute(std::wstring_view id, std::int32_t value) const
{
  return AddAttribute(m_element, id, value, *this);
}

bool ZALMPFieldWriter::Attribute(std::wstring_view id, std::wstring_view text) const
{
  return AddAttribute(m_element, id, text, *this);
}

bool ZALMPFieldWriter::Numbers(const ZALMPTripleIds& ids, double x, double y, double z) const
{
  const bool first = Number(ids[0], x);
  const bool second = Number(ids[1], y);
  const bool third = Number(ids[2], z);
  return first && second && third;
}

bool ZALMPFieldWriter::Numbers(const ZALMPTripleIds& ids, const ZALMathPoint& point) const
{
  return Numbers(ids, point.GetX(), point.GetY(), point.GetZ());
}

bool ZALMPFieldWriter::Numbers(const ZALMPTripleIds& ids, const ZALMathVector& vector) const
{
  return Numbers(ids, vector.GetX(), vector.GetY(), vector.GetZ());
}

bool ZALMPFieldWriter::Triple(std::wstring_view id, const ZALMPTripleIds& ids, double x, double y, double z) const
{
  const ZALMPFieldWriter group = Group(id);
  return group && group.Numbers(ids, x, y, z);
}

bool ZALMPFieldWriter::Point(std::wstring_view id, const ZALMathPoint& point) const
{
  return Triple(id, kPointIds, point.GetX(), point.GetY(), point.GetZ());
}

bool ZALMPFieldWriter::Vector(std::wstring_view id, const ZALMathVector& vector) const
{
  return Triple(id, kVectorIds, vector.GetX(), vector.GetY(), vector.GetZ());
}

bool ZALMPFieldWriter::Matrix(std::wstring_view id, const ZALMath3x3Matrix& matrix) const
{
  const ZALMPFieldWriter group = Group(id);
  if (!group) return false;
  const bool first = group.Numbers(kColumnIds[0], matrix.GetFirstColumn());
  const bool second = group.Numbers(kColumnIds[1], matrix.GetSecondColumn());
  const bool third = group.Numbers(kColumnIds[2], matrix.GetThirdColumn());
  return first && second && third;
}

namespace {

// Child `id` holding `value`'s coordinates under `ids`.
template <class Ids, class Value>
bool Grouped(const ZALMPFieldWriter& out, std::wstring_view id, const Ids& ids, const Value& value)
{
  const ZALMPFieldWriter group = out.Group(id);
  return group && group.Numbers(ids, value);
}

// Child `id` holding the translation vector and the rotation matrix, in space or in the plane.
template <class Transformation>
bool WritePlacement(const ZALMPFieldWriter& out, std::wstring_view id, const Transformation& placement,
                    std::wstring_view translationId, std::wstring_view rotationId)
{
  const ZALMPFieldWriter group = out.Group(id);
  if (!group) return false;
  const bool translation = group.Vector(translationId, placement.GetVector());
  const bool rotation = group.Matrix(rotationId, placement.GetMatrix());
  return translation && rotation;
}

}  // namespace

bool ZALMPFieldWriter::Placement(std::wstring_view id, const ZALMathTransformation& placement) const
{
  return WritePlacement(*this, id, placement, kTranslationId, kRotationId);
}

bool ZALMPFieldWriter::Numbers(const ZALMPPairIds& ids, double x, double y) const
{
  const bool first = Number(ids[0], x);
  const bool second = Number(ids[1], y);
  return first && second;
}

bool ZALMPFieldWriter::Numbers(const ZALMPPairIds& ids, const ZALMathPoint2D& point) const
{
  return Numbers(ids, point.GetX(), point.GetY());
}

bool ZALMPFieldWriter::Numbers(const ZALMPPairIds& ids, const ZALMathVector2D& vector) const
{
  return Numbers(ids, vector.GetX(), vector.GetY());
}

bool ZALMPFieldWriter::Point(std::wstring_view id, const ZALMathPoint2D& point) const
{
  return Grouped(*this, id, kPlanarPointIds, point);
}

bool ZALMPFieldWriter::Vector(std::wstring_view id, const ZALMathVector2D& vector) const
{
  return Grouped(*this, id, kPlanarVectorIds, vector);
}

bool ZALMPFieldWriter::Matrix(std::wstring_view id, const ZALMath2x2Matrix& matrix) const
{
  const ZALMPFieldWriter group = Group(id);
  if (!group) return false;
  const bool first = group.Numbers(kPlanarColumnIds[0], matrix.GetFirstColumn());
  const bool second = group.Numbers(kPlanarColumnIds[1], matrix.GetSecondColumn());
  return first && second;
}

bool ZALMPFieldWriter::Placement(std::wstring_view id, const ZALMathTransformation2D& placement,
                                 std::wstring_view translationId, std::wstring_view rotationId) const
{
  return WritePlacement(*this, id, placement, translationId, rotationId);
}
