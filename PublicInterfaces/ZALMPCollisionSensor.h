#pragma once
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

#include <set>
#include <utility>
#include <vector>

class ZALIMPCollisionSensorLoader;
class ZALMPBody;
class ZALMPCollisionRule;
class ZALMPInteraction;

/// The contacts a collision rule found, as the host's loader reports them:
/// the pairs of bodies in contact, and per contact its geometry and forces.
///
/// A copy starts without contacts; its rule and interaction are linked by the
/// world's copy.
class ZALMP_EXPORT ZALMPCollisionSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPCollisionSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  /// Where two bodies touch.
  struct ZALMPContactGeometryData {
    RVLSharedHandle<ZALMPBody> firstBody;
    RVLSharedHandle<ZALMPBody> secondBody;
    ZALMathPoint firstContactPoint;
    ZALMathPoint secondContactPoint;
    double penetrationDepth = 0.0;
    ZALMathVector firstNormalVector;
    ZALMathVector secondNormalVector;
  };
  /// Where two bodies touch and what they exert on each other there.
  struct ZALMPContactForceData : ZALMPContactGeometryData {
    ZALMathVector firstContactForce;
    ZALMathVector secondContactForce;
    ZALMathVector firstContactTorque;
    ZALMathVector secondContactTorque;
    ZALMathVector firstNormalForce;
    ZALMathVector secondNormalForce;
    ZALMathVector firstFrictionForce;
    ZALMathVector secondFrictionForce;
  };
  using BodyPair = std::pair<RVLSharedHandle<ZALMPBody>, RVLSharedHandle<ZALMPBody>>;
  /// Pairs are told apart by the bodies they hold.
  struct ByReferents {
    bool operator()(const BodyPair& left, const BodyPair& right) const
    {
      return std::pair(left.first.get(), left.second.get()) < std::pair(right.first.get(), right.second.get());
    }
  };
  using ContactPairs = std::set<BodyPair, ByReferents>;

  ZALMP_DECLARE_LOADER(ZALIMPCollisionSensorLoader, ZALMPSensor);

  /// S_OK: held. E_FAIL: an empty handle (reported).
  HRESULT SetCollisionRule(const RVLSharedHandle<ZALMPCollisionRule>& rule);
  HRESULT SetInteraction(const RVLSharedHandle<ZALMPInteraction>& interaction);
  /// S_OK and it; E_FAIL (reported) and a null handle without one.
  HRESULT GetCollisionRule(RVLSharedHandle<ZALMPCollisionRule>& rule) const;
  HRESULT GetInteraction(RVLSharedHandle<ZALMPInteraction>& interaction) const;

  /// Notes that the two bodies touch; a pair noted already stays once. S_OK.
  HRESULT AddContactData(const BodyPair& pair);
  ContactPairs::const_iterator ContactDataBegin() const { return m_pairs.begin(); }
  ContactPairs::const_iterator ContactDataEnd() const { return m_pairs.end(); }
  int GetContactCount() const { return static_cast<int>(m_pairs.size()); }

  /// Replace / append / read (E_FAIL outside the records) / count the records. S_OK.
  HRESULT SetContactGeometryData(const std::vector<ZALMPContactGeometryData>& records);
  HRESULT AddContactGeometryData(const ZALMPContactGeometryData& record);
  HRESULT GetContactGeometryData(int index, ZALMPContactGeometryData& record) const;
  int GetContactGeometryDataCount() const { return static_cast<int>(m_geometry.size()); }
  HRESULT SetContactForceData(const std::vector<ZALMPContactForceData>& records);
  HRESULT AddContactForceData(const ZALMPContactForceData& record);
  HRESULT GetContactForceData(int index, ZALMPContactForceData& record) const;
  int GetContactForceDataCount() const { return static_cast<int>(m_forces.size()); }

  /// S_FALSE for an inactive sensor; else the loader's Update answer. E_FAIL
  /// (reported): no collision sensor loader.
  HRESULT Update() override;

  /// Element "CollisionSensor": the common part, "CollisionRule" (a
  /// reference), "ContactGeometryDataContainer" and "ContactForceDataContainer"
  /// with one record each. The pairs and the interaction are not saved. S_OK.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "CollisionSensor" child of `parent`; the records read
  /// replace the sensor's (a missing piece of one is reported, the record
  /// kept). S_OK; E_FAIL (reported) without the element.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPCollisionRule> m_rule;
  RVLSharedHandle<ZALMPInteraction> m_interaction;
  ContactPairs m_pairs;
  std::vector<ZALMPContactGeometryData> m_geometry;
  std::vector<ZALMPContactForceData> m_forces;
};
