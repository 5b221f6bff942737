#pragma once
#include "ZALMPExport.h"
#include "ZALMPIdentifierMap.h"
#include "ZALMPLinkList.h"
#include "ZALMPSourceLocation.h"

#include <RVLClassInfo.h>
#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class ZALMPDeserializer;
class ZALMPEntity;
class ZALMPSerializer;

/// Whether a filtered copy of a world re-makes a link between two copied
/// entities (a whole copy re-makes every link whose two ends were copied).
/// CopiedAlong: the partner is part of the entity's own settings (a spring's
/// stiffness held as a value): a filtered copy copies it with the entity when
/// it was not listed, and links the two copies.
enum class ZALMPFilteredCopy { Relinked, Dropped, CopiedAlong };

/// When an orphaned entity lets go of a link: a single handle right after its
/// partner was asked to drop the entity (RemoveParent), a list when the entity
/// empties its lists (ClearContainers), or never (the link lives as long as
/// the entity).
enum class ZALMPLinkRelease { Default, Never };

/// Finds the copy of a source entity while a world is copied.
class ZALMPCopyLookup {
public:
  /// The copy of `source`; null when it was not copied.
  virtual RVLSharedHandle<ZALMPEntity> CopyOf(const ZALMPEntity* source) const = 0;

protected:
  ~ZALMPCopyLookup() = default;
};

/// One link of an entity kind: a list of partners or a single partner, the
/// element ids it is saved under, what a partner is asked when the entity is
/// orphaned, and how copies re-make it. Built by ZALMPLinkTable::List and
/// ZALMPLinkTable::One; every operation below is derived from that description.
class ZALMP_EXPORT ZALMPLink {
public:
  virtual ~ZALMPLink();

  /// The element id of one reference ("Geometry"); it also names the link.
  std::wstring_view ItemId() const { return m_itemId; }
  /// The element id of the group that holds a list's references ("Geometries");
  /// empty for a single handle.
  std::wstring_view GroupId() const { return m_groupId; }
  bool IsList() const { return !m_groupId.empty(); }
  /// What a filtered copy of a world does with this link.
  virtual ZALMPFilteredCopy FilteredCopy() const = 0;
  /// Whether the entity keeps its partners when it is orphaned (ZALMPLinkRelease::Never).
  virtual bool OutlivesOrphaning() const { return false; }

  /// The class every partner is of (or derives from).
  virtual const RVLClassInfo& PartnerClass() const = 0;
  /// Links `entity` to `partner` through the operation a reader uses (the
  /// list's add, the single handle's set): that operation's answer. S_FALSE:
  /// the link is made only through the owner's own operations; nothing
  /// changes. E_FAIL (reported): `partner` is empty or not of PartnerClass;
  /// nothing changes. The partner's side of a two-way link is the caller's.
  virtual HRESULT Link(ZALMPEntity& entity, const RVLSharedHandle<ZALMPEntity>& partner) const = 0;
  /// False for a link whose partners another link of the class already visits
  /// (ForEachPartner then visits none).
  virtual bool IsVisited() const { return true; }

  /// Calls `visit` with each partner `entity` holds through this link, in order.
  virtual void ForEachPartner(const ZALMPEntity& entity,
                              const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const = 0;

  /// Asks each partner to drop `entity`. A partner no longer alive is reported:
  /// in a list it gives E_FAIL, for a single handle the handle is still let go.
  /// The first negative answer ends it and is returned; else the last answer,
  /// or `previous` when no partner was asked.
  virtual HRESULT Detach(ZALMPEntity& entity, HRESULT previous) const = 0;
  /// Lets go of the partners when the entity empties its lists.
  virtual void Release(ZALMPEntity& entity) const = 0;
  /// Writes the references under `element`: a list as its group (nothing when
  /// empty), a single handle as one reference when it is set. Failures are
  /// reported and writing goes on.
  virtual void Write(const ZALMPEntity& entity, ZALMPSerializer* element) const = 0;
  /// Reads the references back from `element` through `ids`; unknown ids are
  /// skipped. A referent of the wrong kind raises RVLEInvalidCast.
  virtual void Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const = 0;
  /// Links `copy` to the copies of the partners of `source`; partners that were
  /// not copied are left out. With `filtered`, only links a filtered copy keeps.
  virtual void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
                      bool filtered) const = 0;

protected:
  ZALMPLink(std::wstring_view groupId, std::wstring_view itemId, ZALMPSourceLocation where)
      : m_groupId(groupId), m_itemId(itemId), m_where(where)
  {
  }

  // The partner-independent halves of the operations, written once.
  void Report() const;
  /// Whether `partner` is set and of PartnerClass.
  bool IsPartner(const RVLSharedHandle<ZALMPEntity>& partner) const;
  /// `partner` as a Partner, its class information asked rather than its C++
  /// class searched (a class's information names its C++ base, as its
  /// definition asserts). Of another class, it raises RVLEInvalidCast as the
  /// checked narrowing does.
  template <class Partner, class Entity>
  static RVLSharedHandle<Partner> AsPartner(const RVLSharedHandle<Entity>& partner)
  {
    if (partner && partner->isDerivedFrom(Partner::ClassInfo()))
      return RVLSharedHandle<Partner>(static_cast<Partner*>(partner.get()));
    return RVLSharedHandle<Partner>(partner);
  }
  /// Asks each of `partners` in turn with `ask` (the partner's answer) to drop
  /// the owner. A partner no longer alive is reported and gives E_FAIL; the
  /// first negative answer ends it and is returned, else the last answer, or
  /// `previous` when there is no partner. Walks a copy: a partner may change
  /// the owner's list while it drops the owner.
  template <class Partner, class Ask>
  HRESULT AskEach(const RVLSharedVector<Partner>& partners, HRESULT previous, const Ask& ask) const
  {
    return ZALMPAskEach(partners, previous, ask, m_where);
  }
  /// The group element of a list with `count` partners; null (and nothing
  /// written) when there are none or it cannot be added (reported).
  ZALMPSerializer* BeginGroup(ZALMPSerializer* element, int count) const;
  /// Writes one reference to `partner` under `parent`; the reference's
  /// element, or null when it could not be added (reported). The partner is
  /// read through the caller's handle: a save writes millions of references,
  /// and a handle of the base kind would count each partner up and down.
  template <class Partner>
  ZALMPSerializer* WriteOne(ZALMPSerializer* parent, const RVLSharedHandle<Partner>& partner) const
  {
    return WriteReference(parent, partner.IsAlive() ? partner.get() : nullptr);
  }
  /// Calls `visit` with each reference under `element` (the group's items for
  /// a list, the one reference otherwise) whose "id" names an entity in `ids`.
  void ForEachReference(
      const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
      const std::function<void(const ZALMPDeserializer& item, const RVLSharedHandle<ZALMPEntity>& referent)>& visit)
      const;

private:
  // `partner` is null when the referent is no longer alive.
  ZALMPSerializer* WriteReference(ZALMPSerializer* parent, const ZALMPEntity* partner) const;

  std::wstring_view m_groupId;
  std::wstring_view m_itemId;
  ZALMPSourceLocation m_where;
};

/// What an entity class links to, described once; the entity base derives
/// from it what every link needs (dropping partners when orphaned, emptying
/// lists, writing and reading references, re-making links in copies), and
/// tools walk it to check a model's links. A class's table holds its own links
/// and names its base class's table.
class ZALMP_EXPORT ZALMPLinkTable {
public:
  /// What RemoveParent answers when every partner agreed: the last partner's
  /// answer (S_OK or S_FALSE), or S_OK.
  enum class Answer { LastPartner, Success };

  /// The table of a class without links of its own beyond `base`'s.
  explicit ZALMPLinkTable(const ZALMPLinkTable* base = nullptr) : m_base(base) {}
  ZALMPLinkTable(const ZALMPLinkTable* base, Answer answer, std::vector<std::unique_ptr<const ZALMPLink>> links)
      : m_base(base), m_answer(answer), m_links(std::move(links))
  {
  }

  /// A list member: `add` links a partner (reading, copies), `drop` is the
  /// partner's operation that forgets the owner (null: the partner is not
  /// asked), `copy` links a partner in a copy when that differs from `add`.
  template <class Owner, class Partner, class Self>
  static std::unique_ptr<const ZALMPLink> List(ZALMPLinkList<Partner> Owner::*member, std::wstring_view groupId,
                                               std::wstring_view itemId,
                                               HRESULT (Owner::*add)(const RVLSharedHandle<Partner>&),
                                               HRESULT (Partner::*drop)(const RVLSharedHandle<Self>&),
                                               ZALMPFilteredCopy filtered, ZALMPSourceLocation where,
                                               ZALMPLinkRelease release = ZALMPLinkRelease::Default,
                                               HRESULT (Owner::*copy)(const RVLSharedHandle<Partner>&) = nullptr);
  /// A list whose partners are never asked to drop the owner.
  template <class Owner, class Partner>
  static std::unique_ptr<const ZALMPLink> ListNotAsked(ZALMPLinkList<Partner> Owner::*member, std::wstring_view groupId,
                                                       std::wstring_view itemId,
                                                       HRESULT (Owner::*add)(const RVLSharedHandle<Partner>&),
                                                       ZALMPFilteredCopy filtered, ZALMPSourceLocation where,
                                                       ZALMPLinkRelease release = ZALMPLinkRelease::Default,
                                                       HRESULT (Owner::*copy)(const RVLSharedHandle<Partner>&) =
                                                           nullptr)
  {
    return List<Owner, Partner, Owner>(member, groupId, itemId, add, nullptr, filtered, where, release, copy);
  }
  /// A single handle: `set` stores a partner, `drop` as for a list.
  template <class Owner, class Partner, class Self>
  static std::unique_ptr<const ZALMPLink> One(RVLSharedHandle<Partner> Owner::*member, std::wstring_view itemId,
                                              HRESULT (Owner::*set)(const RVLSharedHandle<Partner>&),
                                              HRESULT (Partner::*drop)(const RVLSharedHandle<Self>&),
                                              ZALMPFilteredCopy filtered, ZALMPSourceLocation where,
                                              ZALMPLinkRelease release = ZALMPLinkRelease::Default);
  /// A single handle whose partner is never asked to drop the owner.
  template <class Owner, class Partner>
  static std::unique_ptr<const ZALMPLink> OneNotAsked(RVLSharedHandle<Partner> Owner::*member,
                                                      std::wstring_view itemId,
                                                      HRESULT (Owner::*set)(const RVLSharedHandle<Partner>&),
                                                      ZALMPFilteredCopy filtered, ZALMPSourceLocation where,
                                                      ZALMPLinkRelease release = ZALMPLinkRelease::Default)
  {
    return One<Owner, Partner, Owner>(member, itemId, set, nullptr, filtered, where, release);
  }

  /// Builds a table from the rows made by List and One, in saving order.
  template <class... Links>
  static ZALMPLinkTable Of(const ZALMPLinkTable* base, Answer answer, Links&&... links)
  {
    std::vector<std::unique_ptr<const ZALMPLink>> rows;
    (rows.push_back(std::forward<Links>(links)), ...);
    return ZALMPLinkTable(base, answer, std::move(rows));
  }

  /// This class's own links, in saving order (the base's are not included).
  const std::vector<std::unique_ptr<const ZALMPLink>>& OwnLinks() const { return m_links; }
  /// Calls `visit` with every link of the class and its bases, bases first.
  void ForEachLink(const std::function<void(const ZALMPLink&)>& visit) const;

  /// RemoveParent of an entity: the single handles, then the lists, of the
  /// bases first; the first negative answer ends it and is returned.
  HRESULT Detach(ZALMPEntity& entity) const;
  /// ClearContainers of an entity: every list it lets go of then.
  void Release(ZALMPEntity& entity) const;
  /// This class's own references (not the base's), in table order.
  void Write(const ZALMPEntity& entity, ZALMPSerializer* element) const;
  void Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const;
  /// Every link of the class and its bases, re-made between copies.
  void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies, bool filtered) const;

  /// Whether `to` is `from` or is reached from it through links that outlive
  /// orphaning. Such a loop is never broken when the world goes, so a reader
  /// does not make one.
  static bool KeepsAlive(const ZALMPEntity& from, const ZALMPEntity& to);

private:
  const ZALMPLinkTable* m_base = nullptr;
  Answer m_answer = Answer::Success;
  std::vector<std::unique_ptr<const ZALMPLink>> m_links;
};

/// Defines the link table of `Class`, whose base's table is `base` (null for
/// the entity base): what RemoveParent answers (`answer`, a ZALMPLinkTable::Answer)
/// and the rows made by ZALMPLinkTable::List, ListNotAsked and One.
#define ZALMP_DEFINE_LINKS(Class, base, answer, ...)                                                  \
  const ZALMPLinkTable& Class::LinkTable()                                                          \
  {                                                                                                 \
    static const ZALMPLinkTable table = ZALMPLinkTable::Of(base, ZALMPLinkTable::Answer::answer, __VA_ARGS__); \
    return table;                                                                                   \
  }                                                                                                 \
  /* Made while the library loads, so that it outlives the statics of the programs that use */    \
  /* it: entities a host keeps in static storage still find their links when it exits. */         \
  [[maybe_unused]] static const ZALMPLinkTable& zalmpLinksAtLoad##Class = Class::LinkTable()

#include "ZALMPLinkRow.h"
