#pragma once
#include "ZALMPExport.h"
#include "ZALMPPhysicalQuantity.h"
#include "ZALMPSourceLocation.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <functional>

class ZALMPEntity;
class ZALMPValue;
class ZALWBFactory;

// The numeric properties that entities hold as value entities of their world
// (a constant, or an expression driven by the global time): reading one as a
// number and replacing it by a new constant or expression. Stateless; every
// failure is reported here and gives E_FAIL; nothing made before a failing
// step is taken back.

/// `number` (0 first) is the number of the constant `value` holds. E_FAIL
/// (reported): an empty handle, a value that is not a constant (an expression
/// never yields a number here), or a constant that cannot give it.
ZALMP_EXPORT HRESULT ReadConstantValue(const RVLSharedHandle<ZALMPValue>& value, double& number);

/// A new constant "Constant" of `quantity` holding `number`, in `value`. When
/// `owner` is in a world the constant is filed there; otherwise it stays in no
/// world until the owner's world takes it in. E_FAIL (reported): the constant
/// cannot be made or set, an empty owner (`value` stays empty), or the owner's
/// world cannot be had or refuses it (`value` keeps the constant).
ZALMP_EXPORT HRESULT CreateConstantValue(double number, const RVLSharedHandle<ZALMPEntity>& owner,
                                         ZALMPPhysicalQuantity::Enum quantity, RVLSharedHandle<ZALMPValue>& value);

/// A new expression "Expression" of `quantity` over the one equation of
/// `factory` (which keeps owning it), in `value`. When `owner` is in a world
/// the expression is filed there (a refusal is reported and the service goes
/// on) and linked to the world's global time, whose link answer is the result.
/// E_FAIL (reported): no factory, a factory without exactly one equation, the
/// expression cannot be made or set, an empty owner, or the owner's world or
/// its global time cannot be had.
ZALMP_EXPORT HRESULT CreateExpressionValue(ZALWBFactory* factory, const RVLSharedHandle<ZALMPEntity>& owner,
                                           ZALMPPhysicalQuantity::Enum quantity, RVLSharedHandle<ZALMPValue>& value);

/// The rule of every owner's number setter: a held constant takes `number` in
/// place and nothing new is made; otherwise `quantity` gives the physical
/// quantity of a new constant owned by `owner` (CreateConstantValue). Either
/// constant is then handed to `install`, the owner's setter of the value
/// handle, whose answer is the result. E_FAIL (reported at `where`) when the
/// quantity cannot be had or the constant cannot be made or changed.
ZALMP_EXPORT HRESULT ZALMPSetNumberValue(const RVLSharedHandle<ZALMPEntity>& owner,
                                         const RVLSharedHandle<ZALMPValue>& held, double number,
                                         const std::function<HRESULT(ZALMPPhysicalQuantity::Enum&)>& quantity,
                                         const std::function<HRESULT(const RVLSharedHandle<ZALMPValue>&)>& install,
                                         ZALMPSourceLocation where);
