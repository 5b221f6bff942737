#pragma once
#include "RVLFunctor2.h"
#include "RVLSharedHandle.h"
#include "RVLSharedObject.h"

#include <bitset>
#include <cstdint>
#include <vector>

/// A set of event numbers 0 to 63.
using RVLEventSet = std::bitset<64>;

/// An object that posts numbered events to the subscribers that asked for them.
/// Delivery is synchronous, in subscription order.
class RVLNotificationAgent : public RVLSharedObject {
  RVL_DECLARE_CLASS_INFO(RVLNotificationAgent)
public:
  using Functor = RVLFunctor2<const RVLSharedConstPointer<RVLNotificationAgent>&, const RVLEventSet&>;

  /// Registers `functor` for the events in `mask`. Raises RVLEAlreadyRegistered
  /// when this agent already holds an equal functor. `priority` is kept for the
  /// call signature; delivery order is subscription order.
  void addSubscriber(const Functor& functor, const RVLEventSet& mask, int priority = -1);
  /// True when the functor was registered and is now removed.
  bool removeSubscriber(const Functor& functor);
  int getSubscriberCount() const { return static_cast<int>(m_subscribers.size()); }

  /// Delivers event `eventNumber` (0 to 63) to every subscriber whose mask holds
  /// it. A subscriber removed during delivery is not called afterwards.
  void postEvent(std::uint64_t eventNumber);

  /// Hook of transaction-bound notifications; nothing to do by default.
  virtual void onNotificationTxn() {}

protected:
  RVLNotificationAgent() = default;
  /// A copy starts without subscribers.
  RVLNotificationAgent(const RVLNotificationAgent& other) : RVLSharedObject(other) {}

private:
  struct Subscription {
    Functor functor;
    RVLEventSet mask;
  };
  bool IsSubscribed(const Functor& functor) const;

  std::vector<Subscription> m_subscribers;
};
