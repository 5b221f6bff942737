#pragma once
#include "ZALMPExport.h"
#include "ZALMPIdentifierMap.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <string>
#include <string_view>
#include <vector>

class ZALMathPoint;
class ZALMathVector;
class ZALMPDeserializer;
class ZALMPSerializer;
class ZALMPValue;
class ZALWBEquation;
class ZALWBFactory;

/// Services shared by the entities' writers and readers: references to values,
/// points and vectors as three-child elements, text conversions, element ids and
/// class names, and equations through the equation library. Stateless.
class ZALMP_EXPORT ZALMPSerializationServices {
public:
  ZALMPSerializationServices() = delete;

  /// Writes, for i = 0 .. count-1, child names[i] referring to values[i] ("id",
  /// "name"). S_OK: all written (also for count < 1 with no names). E_FAIL
  /// (reported): no tree, count differs from the number of names, or at the first
  /// child that cannot be added or whose value is empty (its empty child stays,
  /// later ones are not written).
  static HRESULT Serialize(ZALMPSerializer*& tree, const RVLSharedHandle<ZALMPValue>* values, int count,
                           const std::vector<std::wstring>& names);
  /// One value reference named `name`. E_FAIL (reported): no tree, an empty
  /// value, or the reference could not be written.
  static HRESULT Serialize(ZALMPSerializer*& tree, const RVLSharedHandle<ZALMPValue>& value, const std::wstring& name);
  /// Child `name` with children "Px", "Py", "Pz" (doubles). E_FAIL (reported): no
  /// tree or the child cannot be added. A coordinate that cannot be added is reported.
  static HRESULT Serialize(ZALMPSerializer*& tree, const ZALMathPoint& point, const std::wstring& name);
  /// Child `name` with children "Vx", "Vy", "Vz", as for points.
  static HRESULT Serialize(ZALMPSerializer*& tree, const ZALMathVector& vector, const std::wstring& name);

  /// Resolves, for each of `names` in order, the value its child refers to, into
  /// values[i]. S_OK: all resolved (also for no names). E_FAIL at the first one
  /// that does not: no such child or an "id" unknown to `ids` (both silent, so a
  /// reader can fall back), a child that cannot be had or without "id"
  /// (reported); entries before it stay set. No tree: E_FAIL (reported). A
  /// referent that is not a value raises RVLEInvalidCast.
  static HRESULT Deserialize(ZALMPDeserializer*& tree, const std::vector<std::wstring>& names,
                             const ZALMPIdentifierMap& ids, RVLSharedHandle<ZALMPValue>* values);
  /// One value reference: S_OK and `value` set; else E_FAIL (reported) and `value` null.
  static HRESULT Deserialize(ZALMPDeserializer*& tree, const std::wstring& name, const ZALMPIdentifierMap& ids,
                             RVLSharedHandle<ZALMPValue>& value);
  /// The two above for a reader that holds the tree as const (reading only
  /// moves the tree's own cursors).
  static HRESULT Deserialize(const ZALMPDeserializer* tree, const std::vector<std::wstring>& names,
                             const ZALMPIdentifierMap& ids, RVLSharedHandle<ZALMPValue>* values);
  static HRESULT Deserialize(const ZALMPDeserializer* tree, const std::wstring& name, const ZALMPIdentifierMap& ids,
                             RVLSharedHandle<ZALMPValue>& value);
  /// Reads child `name` as "Px", "Py", "Pz". E_FAIL (reported): no tree or no such
  /// child; `point` unchanged. A missing or unreadable coordinate is reported and
  /// reads as 0; the result is then still S_OK.
  static HRESULT Deserialize(ZALMPDeserializer*& tree, const std::wstring& name, const ZALMPIdentifierMap& ids,
                             ZALMathPoint& point);
  /// Reads child `name` as "Vx", "Vy", "Vz", as for points.
  static HRESULT Deserialize(ZALMPDeserializer*& tree, const std::wstring& name, const ZALMPIdentifierMap& ids,
                             ZALMathVector& vector);

  /// A new zero-terminated narrow (UTF-8) copy of `text` in `result`, to be freed
  /// with the C library's free(). S_OK. E_FAIL (reported) when no buffer can be had;
  /// `result` is then null.
  static HRESULT ConvertToCString(const std::wstring& text, char*& result);
  /// Decimal text of `value`.
  static std::wstring to_wstring(int value);
  /// `text` (narrow UTF-8) as wide text; empty for null.
  static std::wstring to_wstring(const char* text);
  /// The class name of a stored element id: "ZALMP" + id, with "ZeroDoF",
  /// "SixDoF" and "Rep3D" standing for "0DoF", "6DoF" and "3DRep".
  static std::string to_type(const std::wstring& elementId);
  /// The element id an entity of class `className` writes for itself: the class
  /// name without "ZALMP", the reverse of to_type.
  static std::wstring to_element_id(const char* className);
  /// The same for a class name that stays in place (a class record's), worked
  /// out once per thread: every entity read or written asks for its own.
  static std::wstring_view ElementIdOf(const char* className);

  /// Parses `text`, which must hold exactly one equation, into `factory`.
  /// S_OK: `equation` is the new equation, owned by the factory. E_FAIL
  /// (reported): a syntax error, no factory, or not exactly one equation;
  /// `equation` is null (equations already moved into the factory stay there).
  static HRESULT ParseWBEquation(const std::wstring& text, ZALWBFactory* factory, ZALWBEquation*& equation);
  /// `text` is the equation as text that parses back to the same equation.
  /// E_FAIL (reported): no equation or one that cannot be printed; `text` unchanged.
  static HRESULT PrintWBEquation(ZALWBEquation* equation, std::wstring& text);
};
