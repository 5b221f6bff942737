#include "ZALMPPlacementElements.h"

#include <ZALMPAssertionReport.h>
#include <ZALMPEntity.h>
#include <ZALMPSerializationServices.h>

#include <ZALMathVector.h>

#include <array>

namespace {

// Column by column: the first column's x, y, z, then the second's, then the third's.
constexpr std::array<std::wstring_view, 9> kMatrixIds = {L"M1x", L"M1y", L"M1z", L"M2x", L"M2y",
                                                         L"M2z", L"M3x", L"M3y", L"M3z"};

void Report(ZALMPSourceLocation where)
{
  ZALMPAssertionReport("", where.file, where.line);
}

// The child `id` of `parent` (the next one of that id), or null (reported).
ZALMPDeserializer* Child(const ZALMPDeserializer* parent, std::wstring_view id, ZALMPSourceLocation where)
{
  ZALMPDeserializer* child = nullptr;
  // One lookup: a missing child comes back null.
  if (!parent || FAILED(parent->GetElement(id, child)) || !child) {
    Report(where);
    return nullptr;
  }
  return child;
}

std::array<double, 9> Coefficients(const ZALMath3x3Matrix& matrix)
{
  const ZALMathVector a = matrix.GetFirstColumn();
  const ZALMathVector b = matrix.GetSecondColumn();
  const ZALMathVector c = matrix.GetThirdColumn();
  return {a.GetX(), a.GetY(), a.GetZ(), b.GetX(), b.GetY(), b.GetZ(), c.GetX(), c.GetY(), c.GetZ()};
}

ZALMath3x3Matrix FromCoefficients(const std::array<double, 9>& m)
{
  return {{m[0], m[1], m[2]}, {m[3], m[4], m[5]}, {m[6], m[7], m[8]}};
}

}  // namespace

HRESULT ZALMPPlacementElements::WritePlacement(ZALMPSerializer* parent, std::wstring_view id,
                                               const ZALMathTransformation& placement, ZALMPSourceLocation where)
{
  ZALMPSerializer* element = nullptr;
  if (!parent || FAILED(parent->AddElement(id, element)) || !element) {
    Report(where);
    return E_FAIL;
  }
  // Both parts report their own failures.
  ZALMPSerializationServices::Serialize(element, placement.GetVector(), L"Translation");
  WriteMatrix(element, L"Rotation", placement.GetMatrix(), where);
  return S_OK;
}

HRESULT ZALMPPlacementElements::ReadPlacement(const ZALMPDeserializer* parent, std::wstring_view id,
                                              ZALMathTransformation& placement, ZALMPSourceLocation where)
{
  ZALMPDeserializer* element = Child(parent, id, where);
  if (!element) return E_FAIL;

  ZALMathTransformation read;
  ZALMathVector translation;
  // The services report a missing coordinate themselves; a vector refers to no entity.
  if (!element->HasElement(L"Translation"))
    Report(where);
  else
    ZALMPSerializationServices::Deserialize(element, L"Translation", {}, translation);
  read.SetVector(translation);

  ZALMath3x3Matrix rotation;
  if (SUCCEEDED(ReadMatrix(element, L"Rotation", rotation, where))) read.SetMatrix(rotation);
  placement = read;
  return S_OK;
}

HRESULT ZALMPPlacementElements::WriteMatrix(ZALMPSerializer* parent, std::wstring_view id,
                                            const ZALMath3x3Matrix& matrix, ZALMPSourceLocation where)
{
  ZALMPSerializer* element = nullptr;
  if (!parent || FAILED(parent->AddElement(id, element)) || !element) {
    Report(where);
    return E_FAIL;
  }
  const std::array<double, 9> coefficients = Coefficients(matrix);
  for (std::size_t i = 0; i < kMatrixIds.size(); ++i) {
    ZALMPSerializer* number = nullptr;
    if (FAILED(element->AddElement(kMatrixIds[i], number, coefficients[i]))) Report(where);
  }
  return S_OK;
}

HRESULT ZALMPPlacementElements::ReadMatrix(const ZALMPDeserializer* parent, std::wstring_view id,
                                           ZALMath3x3Matrix& matrix, ZALMPSourceLocation where)
{
  const ZALMPDeserializer* element = Child(parent, id, where);
  if (!element) return E_FAIL;

  std::array<double, 9> coefficients{};
  for (std::size_t i = 0; i < kMatrixIds.size(); ++i) {
    ZALMPDeserializer* number = nullptr;
    double value = 0.0;
    // The typed read reports a missing or unreadable number itself.
    if (SUCCEEDED(element->GetElement(kMatrixIds[i], number, value))) coefficients[i] = value;
  }
  matrix = FromCoefficients(coefficients);
  return S_OK;
}
