#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

class ZALMPConstraint;

/// The base of the sensors: entities that hold a measurement of the simulated
/// model, which a host loader computes (Update) and the library stores and
/// persists. A sensor has no fields of its own here.
class ZALMP_EXPORT ZALMPSensor : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPSensor, ZALMPEntity);

public:
  ~ZALMPSensor() override;

  /// Refreshes the measurement; nothing to refresh here: S_OK.
  virtual HRESULT Update();
  /// Puts the measurement back to its default; nothing to reset here: S_OK.
  virtual HRESULT Reset();
  /// Drops the sensor's links to `constraint`; a sensor holds none here.
  /// S_OK. E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);

  /// Writes the common part into the sensor's own `element`.
  /// S_OK. E_FAIL: no element (reported).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the common part from the sensor's own `element`.
  /// S_OK. E_FAIL: no element (reported).
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPSensor();
  ZALMPSensor(const ZALMPSensor& source);

  /// The refresh of a sensor by its host: `inactive` for an inactive
  /// `sensor` (S_OK for the displacement sensors, S_FALSE for the others);
  /// else the answer of its `Loader`'s Update, the host's own and so not
  /// reported. E_FAIL (reported at `where`): no such loader.
  template <class Loader, class Sensor>
  static HRESULT RefreshThrough(Sensor& sensor, ZALMPSourceLocation where, HRESULT inactive = S_OK)
  {
    if (!sensor.IsActive()) return inactive;
    Loader* loader = nullptr;
    if (FAILED(sensor.NarrowLoader(loader, where))) return E_FAIL;
    if (!loader) {
      ZALMPAssertionReport("", where.file, where.line);
      return E_FAIL;
    }
    return loader->Update(sensor);
  }
};
