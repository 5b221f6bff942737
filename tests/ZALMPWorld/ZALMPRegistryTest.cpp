#include <ZALMPEntity.h>
#include "ZALMPRegistry.h"

#include <ZALMPConstant.h>

#include <ZALBaseUnknown.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace {

using Registry = ZALMPRegistry<ZALMPConstant>;
using Entity = RVLSharedHandle<ZALMPConstant>;
using Key = ZALBaseUnknown_var;
using Listing = std::vector<ZALMPConstant*>;

/// A host design object, or an interface handle on another one (its implementer).
class DesignObject : public ZALBaseUnknown {
public:
  explicit DesignObject(const Key& implementer = Key()) : m_implementer(implementer) {}
  ZALBaseUnknown* QueryImplementation(int query) override
  {
    return query != 0 ? nullptr : m_implementer ? m_implementer.get() : this;
  }

private:
  Key m_implementer;
};

/// The entity list as a host reads it through Get by index, which must stop
/// at Count with an empty output and refuse -1.
Listing Listed(const Registry& registry)
{
  Listing listed;
  Entity entity;
  for (int index = 0; registry.Get(index, entity) == S_OK; ++index) listed.push_back(entity.get());
  EXPECT_EQ(registry.Count(), static_cast<int>(listed.size()));
  EXPECT_FALSE(entity);
  EXPECT_EQ(S_FALSE, registry.Get(-1, entity));
  return listed;
}

/// The registry's behaviour written plainly, with linear searches, over the
/// keys' implementing objects. A pair stays known once filed under.
struct PlainRegistry {
  using Pair = std::pair<ZALBaseUnknown*, ZALBaseUnknown*>;
  Listing list;
  std::map<Pair, Listing> groups;

  /// The pair `entity` is filed under; null when none.
  const Pair* Filing(ZALMPConstant* entity) const
  {
    for (const auto& [pair, filed] : groups)
      if (std::ranges::count(filed, entity) != 0) return &pair;
    return nullptr;
  }
  HRESULT Add(ZALMPConstant* entity, const Pair& pair)
  {
    const bool keyless = pair == Pair();
    if (!entity || (keyless ? std::ranges::count(list, entity) != 0 : Filing(entity) != nullptr)) return S_FALSE;
    if (!keyless) groups[pair].push_back(entity);
    list.push_back(entity);
    return S_OK;
  }
  HRESULT Remove(ZALMPConstant* entity)
  {
    const auto listed = std::ranges::find(list, entity);
    if (listed == list.end()) return S_FALSE;
    list.erase(listed);
    if (const Pair* pair = Filing(entity)) std::erase(groups[*pair], entity);
    return S_OK;
  }
};

}  // namespace

template class ZALMPRegistry<ZALMPConstant>;

// That an emptied registry still knows its pairs is met by the model test below.
TEST(Registry, CopiesShareEntitiesButNotTheirListsAndLetGoOfThem)
{
  Registry original;
  const Entity wheel = ZALMPConstant::create(), axle = ZALMPConstant::create();
  ASSERT_EQ(S_OK, original.Add(Key(new DesignObject()), nullptr, wheel));
  ASSERT_EQ(S_OK, original.Add(axle));
  Registry copy(original), assigned;
  assigned = original;
  EXPECT_EQ(S_OK, copy.Remove(wheel));
  EXPECT_EQ(S_OK, assigned.EmptyRegistry());
  EXPECT_EQ((Listing{wheel.get(), axle.get()}), Listed(original));
  EXPECT_EQ((Listing{axle.get()}), Listed(copy));
  EXPECT_EQ(S_OK, original.Remove(wheel));
  EXPECT_EQ(1, wheel->getReferenceCount()) << "no registry holds a handle any more";
}

// Random operations over small pools of entities and keys, so that entities are
// listed twice, pairs are shared and vacated slots pile up and get compacted.
TEST(Registry, AnswersLikeAPlainListModel)
{
  const Key part(new DesignObject()), face(new DesignObject());
  const std::vector<Key> keys{Key(), part, face, Key(new DesignObject()), Key(new DesignObject(part)),
                              Key(new DesignObject(face))};
  const auto identity = [](const Key& key) { return key ? key->QueryImplementation(0) : nullptr; };
  for (const int poolSize : {6, 150}) {
    std::vector<Entity> pool{Entity()};
    for (int made = 0; made < poolSize; ++made) pool.push_back(ZALMPConstant::create());
    Registry registry;
    PlainRegistry plain;
    std::mt19937 random(static_cast<unsigned>(poolSize));
    const auto pick = [&random](const auto& from) { return from[random() % from.size()]; };
    for (int step = 0; step < 4000; ++step) {
      SCOPED_TRACE(testing::Message() << "pool " << poolSize << ", step " << step);
      const Entity entity = pick(pool);
      Key key1 = pick(keys), key2 = pick(keys);
      const unsigned operation = random() % 10;
      if (operation < 2) {
        ASSERT_EQ(plain.Add(entity.get(), {}), registry.Add(entity));
      } else if (operation < 5) {
        ASSERT_EQ(plain.Add(entity.get(), {identity(key1), identity(key2)}), registry.Add(key1, key2, entity));
      } else if (operation < 7) {
        ASSERT_EQ(plain.Remove(entity.get()), registry.Remove(entity));
      } else if (operation == 7) {
        const auto group = plain.groups.find({identity(key1), identity(key2)});
        RVLSharedVector<ZALMPConstant> filed{entity};
        ASSERT_EQ(group != plain.groups.end() ? S_OK : S_FALSE, registry.Get(key1, key2, filed));
        Listing addresses;
        for (const Entity& each : filed) addresses.push_back(each.get());
        ASSERT_EQ(group != plain.groups.end() ? group->second : Listing(), addresses);
        Entity first = entity;
        ASSERT_EQ(addresses.empty() ? S_FALSE : S_OK, registry.Get(key1, key2, first));
        ASSERT_EQ(addresses.empty() ? nullptr : addresses.front(), first.get());
      } else if (operation == 8) {
        const PlainRegistry::Pair* filing = plain.Filing(entity.get());
        ASSERT_EQ(filing ? S_OK : S_FALSE, registry.GetKeys(entity, key1, key2));
        ASSERT_EQ(filing ? *filing : PlainRegistry::Pair(), PlainRegistry::Pair(key1.get(), key2.get()));
      } else if (random() % 100 == 0) {
        plain.list.clear();
        for (auto& [pair, filed] : plain.groups) filed.clear();
        ASSERT_EQ(S_OK, registry.EmptyRegistry());
      }
      ASSERT_EQ(plain.list, Listed(registry));
    }
  }
}
