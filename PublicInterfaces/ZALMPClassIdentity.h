#pragma once
#include "ZALMPClassTable.h"
#include "ZALMPExport.h"
#include "ZALMPGenericFactory.h"

#include <RVLClassInfo.h>
#include <RVLDynamicObject.h>
#include <RVLSharedHandle.h>
#include <RVLUUID.h>

#include <string>
#include <type_traits>
#include <vector>

/// True for a class that can be made: it has a static `create`.
template <class T>
inline constexpr bool ZALMPCanCreate = requires { T::create(); };

/// The class record of every class defined with the identity macros, in the
/// order the library and the host program were loaded: what exists in code,
/// whether or not the factory can make it.
class ZALMP_EXPORT ZALMPClassRecords {
public:
  struct Record {
    const RVLClassInfo* classInfo;
    bool concrete;  // the class can be made: it has `create`
  };
  static const std::vector<Record>& All();

  /// Adds a class to the list while the program loads (one per class definition).
  struct Entry {
    Entry(const RVLClassInfo& classInfo, bool concrete);
  };
};

/// Shared mechanics of destroy and clone, reached through the identity macros.
class ZALMPLifecycle {
public:
  /// Orphans the referent, then nulls the caller's handle.
  template <class T>
  static void Destroy(RVLSharedHandle<T>& handle)
  {
    if (handle) handle->orphanObject();
    handle.Release();
  }

  /// A copy of the referent made by its class's copy rules; null for a null
  /// source or a class that cannot be copied.
  template <class T>
  static RVLSharedHandle<T> Clone(const RVLSharedHandle<T>& source, RVLDynamicObject::CopyMode mode)
  {
    if (!source) return nullptr;
    RVLDynamicObject* copy = source->duplicateObject(mode);
    if (!copy) return nullptr;
    // The copy arrives holding one reference; the handle takes its own.
    RVLSharedHandle<T> handle(static_cast<T*>(copy));
    handle->removeReference();
    return handle;
  }
};

/// Identity members of a library class: class id, class record, class name and
/// their virtual twins, destroy and clone. Defined by ZALMP_DEFINE_CLASS.
#define ZALMP_DECLARE_CLASS(T, Base)                                                                         \
public:                                                                                                      \
  static const RVLUUID ClassID_;                                                                             \
  static const RVLClassInfo ClassInfo_;                                                                      \
  static const RVLUUID& ClassID() { return ClassID_; }                                                       \
  static const RVLClassInfo& ClassInfo() { return ClassInfo_; }                                              \
  static const char* ClassName() { return ClassInfo_.getClassName(); }                                       \
  const RVLUUID& getClassID() const override { return ClassID_; }                                            \
  const RVLClassInfo& getClassInfo() const override { return ClassInfo_; }                                   \
  const char* getClassName() const override { return ClassInfo_.getClassName(); }                           \
  bool isDerivedFrom(const RVLClassInfo& other) const override { return ClassInfo_.isDerivedFrom(other); }   \
  bool isInstanceOf(const RVLClassInfo& other) const override { return ClassInfo_.isInstanceOf(other); }     \
  /** Orphans the object (it drops its links) and nulls the caller's handle. */                              \
  static void destroy(RVLSharedHandle<T>& handle) { DestroyObject(handle); }                                 \
  /** A copy made by the class's copy rules; null for a null source. */                                      \
  static RVLSharedHandle<T> clone(const RVLSharedHandle<T>& source,                                         \
                                  RVLDynamicObject::CopyMode mode = RVLDynamicObject::DeepCopy)              \
  {                                                                                                          \
    return CloneObject(source, mode);                                                                        \
  }                                                                                                          \
                                                                                                             \
protected:                                                                                                   \
  static void DestroyObject(RVLSharedHandle<T>& handle) { ZALMPLifecycle::Destroy(handle); }                 \
  static RVLSharedHandle<T> CloneObject(const RVLSharedHandle<T>& source, RVLDynamicObject::CopyMode mode)    \
  {                                                                                                          \
    return ZALMPLifecycle::Clone(source, mode);                                                              \
  }                                                                                                          \
                                                                                                             \
private:                                                                                                     \
  static_assert(true, "")

/// Creation and copying of a concrete entity class: create(name), and the copy
/// that duplicateObject makes through the class's copy constructor.
#define ZALMP_DECLARE_CONCRETE(T)                                                                            \
public:                                                                                                      \
  /** A new entity with default fields, named `name`. */                                                     \
  static RVLSharedHandle<T> create(const std::wstring& name = std::wstring()) { return CreateObject(name); }  \
                                                                                                             \
protected:                                                                                                   \
  static RVLSharedHandle<T> CreateObject(const std::wstring& name)                                           \
  {                                                                                                          \
    RVLSharedHandle<T> created(new T());                                                                     \
    created->setEntityName(name);                                                                            \
    return created;                                                                                          \
  }                                                                                                          \
  RVLDynamicObject* _duplicateObject(RVLDynamicObject::CopyMode) const override                              \
  {                                                                                                          \
    T* copy = new T(*this);                                                                                  \
    copy->addReference();                                                                                    \
    return copy;                                                                                             \
  }                                                                                                          \
                                                                                                             \
private:                                                                                                     \
  friend class ZALMPGenericFactory<T>;                                                                       \
  static const ZALMPGenericFactory<T> _RegisterToMPFactory

/// Class id and class record of a class of the class table, taken from its row;
/// the base named here must be the row's base.
#define ZALMP_DEFINE_CLASS(T, Base) ZALMP_DEFINE_CLASS_WITH_CREATOR(T, Base, nullptr)

/// As ZALMP_DEFINE_CLASS, for the one class whose record carries a creator.
#define ZALMP_DEFINE_CLASS_WITH_CREATOR(T, Base, creator)                                                    \
  static_assert(ZALMPClassTable::IndexOf(#T) >= 0, #T " is missing from the class table");                  \
  static_assert(ZALMPClassTable::RowOf(#T).baseName == #Base, #T " has another base in the class table");   \
  ZALMP_DEFINE_CLASS_WITH_ID(T, Base, ZALMPClassTable::RowOf(#T).classIdText, creator)

/// Class id and class record from explicit values, for classes outside the
/// library's table (a host's own entities, test doubles).
#define ZALMP_DEFINE_CLASS_WITH_ID(T, Base, idText, creator)                                                 \
  static_assert(std::is_base_of_v<Base, T>, #T " does not derive from " #Base);                              \
  const RVLUUID T::ClassID_(idText);                                                                         \
  const RVLClassInfo T::ClassInfo_(#T, sizeof(T), creator, &Base::ClassInfo_, nullptr);                      \
  static const ZALMPClassRecords::Entry zalmpClassRecord##T(T::ClassInfo_, ZALMPCanCreate<T>)

/// Identity, factory entry, default constructor and destructor of a concrete
/// kind of the class table: the one line that defines a kind that the factory
/// makes by name.
#define ZALMP_DEFINE_KIND(T, Base) \
  ZALMP_DEFINE_CLASS(T, Base);     \
  ZALMP_REGISTER_CLASS(T);         \
  T::T() = default;                \
  T::~T() = default

/// Files a concrete class of the class table in the factory under its class name.
#define ZALMP_REGISTER_CLASS(T)                                                                              \
  static_assert(ZALMPClassTable::RowOf(#T).factory,                                                         \
                #T " is not made by name in the class table");                                               \
  ZALMP_REGISTER_CLASS_AS(T, #T)

/// Files a concrete class in the factory under `name`.
#define ZALMP_REGISTER_CLASS_AS(T, name) const ZALMPGenericFactory<T> T::_RegisterToMPFactory(name)
