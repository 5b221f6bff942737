#include "RVLNotificationAgent.h"

#include "RVLEAlreadyRegistered.h"

#include <algorithm>

RVL_DEFINE_CLASS_INFO(RVLNotificationAgent, RVLSharedObject)

void RVLNotificationAgent::addSubscriber(const Functor& functor, const RVLEventSet& mask, int)
{
  if (IsSubscribed(functor)) throw RVLEAlreadyRegistered();
  m_subscribers.push_back({functor, mask});
}

bool RVLNotificationAgent::removeSubscriber(const Functor& functor)
{
  const auto found = std::find_if(m_subscribers.begin(), m_subscribers.end(),
                                  [&](const Subscription& s) { return s.functor == functor; });
  if (found == m_subscribers.end()) return false;
  m_subscribers.erase(found);
  return true;
}

bool RVLNotificationAgent::IsSubscribed(const Functor& functor) const
{
  return std::any_of(m_subscribers.begin(), m_subscribers.end(),
                     [&](const Subscription& s) { return s.functor == functor; });
}

void RVLNotificationAgent::postEvent(std::uint64_t eventNumber)
{
  if (eventNumber >= 64 || m_subscribers.empty()) return;
  RVLEventSet events;
  events.set(static_cast<std::size_t>(eventNumber));

  // Subscribers may subscribe or unsubscribe while being called: walk a copy and
  // skip whoever left in the meantime. The sender handle is only made for an
  // object that handles already hold, so delivery never frees it.
  const std::vector<Subscription> snapshot = m_subscribers;
  const RVLSharedConstPointer<RVLNotificationAgent> sender(getReferenceCount() > 0 ? this : nullptr);
  for (const Subscription& subscription : snapshot) {
    if ((subscription.mask & events).none()) continue;
    if (!IsSubscribed(subscription.functor)) continue;
    subscription.functor(sender, events);
  }
}
