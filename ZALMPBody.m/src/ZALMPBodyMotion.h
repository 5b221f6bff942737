#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPEntity.h>
#include <ZALMPLinkList.h>
#include <ZALMPSourceLocation.h>

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

// What a rigid body and a planar body do alike with their loaders, their
// displacement sensors and their impacted children, whatever the dimension of
// their placements.
namespace ZALMPBodyMotion {

/// `body`'s loader narrowed to `Loader` (null when there is none). S_OK;
/// E_FAIL (reported at `where`) when it cannot be had.
template <class Loader, class Body>
HRESULT LoaderOf(const Body& body, Loader*& loader, ZALMPSourceLocation where)
{
  loader = nullptr;
  if (SUCCEEDED(body.GetLoader(loader))) return S_OK;
  ZALMPAssertionReport("", where.file, where.line);
  return E_FAIL;
}

/// Sets `flag` to `wanted` and then tells `body`'s loader with `tell`; nothing
/// when the flag already has that value. The flag changes even when the loader
/// cannot be had (reported at `where`).
template <class Loader, class Body>
void Switch(const Body& body, bool& flag, bool wanted, HRESULT (Loader::*tell)(), ZALMPSourceLocation where)
{
  if (flag == wanted) return;
  flag = wanted;
  Loader* loader = nullptr;
  if (SUCCEEDED(LoaderOf(body, loader, where)) && loader) (loader->*tell)();
}

/// Marks the velocities as known and tells `body`'s loader of them: the
/// loader's answer, S_OK without a loader. E_FAIL (reported at `where`) when
/// the loader cannot be had; the flag then stays as it was.
template <class Loader, class Body, class Linear, class Angular>
HRESULT TellVelocity(const Body& body, bool& known, const Linear& linear, const Angular& angular,
                     ZALMPSourceLocation where)
{
  Loader* loader = nullptr;
  if (FAILED(LoaderOf(body, loader, where))) return E_FAIL;
  known = true;
  return loader ? loader->SetVelocity(linear, angular) : S_OK;
}

/// Tells `body`'s loader of a move by `relative` (its failure is reported),
/// then gives the answer of the loader's Unfix that follows every move. S_OK
/// without a loader; E_FAIL (reported) when the loader cannot be had.
template <class Loader, class Body, class Transformation>
HRESULT TellMove(const Body& body, const Transformation& relative, ZALMPSourceLocation where)
{
  Loader* loader = nullptr;
  if (FAILED(LoaderOf(body, loader, where))) return E_FAIL;
  if (!loader) return S_OK;
  if (FAILED(loader->ApplyTransformation(relative))) ZALMPAssertionReport("", where.file, where.line);
  return loader->Unfix();
}

/// With a loader, has it recompute the body's stored values: `compute` is
/// given the loader (its failure is reported). S_OK; E_FAIL (reported at
/// `where`) when the loader cannot be had.
template <class Loader, class Body, class Compute>
HRESULT ComputeWith(const Body& body, const Compute& compute, ZALMPSourceLocation where)
{
  Loader* loader = nullptr;
  if (FAILED(LoaderOf(body, loader, where))) return E_FAIL;
  if (loader && FAILED(compute(*loader))) ZALMPAssertionReport("", where.file, where.line);
  return S_OK;
}

/// With a loader, it first recomputes the stored pair at `point` with
/// `compute` (a failure is reported); then the stored pair is copied out.
/// S_OK; E_FAIL (reported) when the loader cannot be had.
template <class Loader, class Body, class Linear, class Angular, class Point>
HRESULT ComputeAtPoint(const Body& body, HRESULT (Loader::*compute)(Linear&, Angular&, Point&),
                       Linear& storedLinear, Angular& storedAngular, Point& point, Linear& linear, Angular& angular,
                       ZALMPSourceLocation where)
{
  const HRESULT status = ComputeWith<Loader>(
      body, [&](Loader& loader) { return (loader.*compute)(storedLinear, storedAngular, point); }, where);
  if (FAILED(status)) return status;
  linear = storedLinear;
  angular = storedAngular;
  return S_OK;
}

/// Records a move of `body` by `delta`: an active displacement `sensor`
/// accumulates it (delta × its displacement) and the body posts its update
/// notice. S_OK; E_FAIL (reported) when the sensor is no longer alive, and then
/// nothing is notified.
template <class Sensor, class Transformation>
HRESULT RecordMove(ZALMPEntity& body, const RVLSharedHandle<Sensor>& sensor, const Transformation& delta,
                   ZALMPSourceLocation where)
{
  if (sensor && !sensor.IsAlive()) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  if (sensor && sensor->IsActive()) {
    Transformation displacement;
    sensor->GetDisplacement(displacement);
    sensor->SetDisplacement(delta * displacement);
  }
  body.NotifyUpdate();
  return S_OK;
}

/// Has each impacted child re-publish its placement: each gets an identity
/// move, in list order; the first failure ends it and is returned. A child no
/// longer alive is reported at `where` and gives E_FAIL.
template <class Transformation, class Child>
HRESULT UpdateChildren(const ZALMPLinkList<Child>& children, ZALMPSourceLocation where)
{
  const Transformation identity;
  return ZALMPAskEach(children.Links(), S_OK, [&](Child& child) { return child.UpdatePosition(identity, false); },
                      where);
}

}  // namespace ZALMPBodyMotion
