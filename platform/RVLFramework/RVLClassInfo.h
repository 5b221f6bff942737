#pragma once
#include <cstddef>
#include <type_traits>

class RVLDynamicObject;

/// The run-time record of one class: its name, size, creator and bases.
/// There is exactly one record per class, so records compare by address.
class RVLClassInfo {
public:
  using Creator = RVLDynamicObject* (*)();

  constexpr RVLClassInfo(const char* className, std::size_t objectSize, Creator creator,
                         const RVLClassInfo* base, const RVLClassInfo* secondBase)
      : m_className(className), m_objectSize(objectSize), m_creator(creator), m_base(base), m_secondBase(secondBase)
  {
  }
  RVLClassInfo(const RVLClassInfo&) = delete;
  RVLClassInfo& operator=(const RVLClassInfo&) = delete;

  const char* getClassName() const { return m_className; }
  std::size_t getObjectSize() const { return m_objectSize; }
  Creator getCreator() const { return m_creator; }
  const RVLClassInfo* getBase() const { return m_base; }
  const RVLClassInfo* getSecondBase() const { return m_secondBase; }

  /// True only for this very class.
  bool isInstanceOf(const RVLClassInfo& other) const { return this == &other; }
  /// True for this class and every class it derives from, through either base.
  bool isDerivedFrom(const RVLClassInfo& other) const;

  friend bool operator==(const RVLClassInfo& a, const RVLClassInfo& b) { return &a == &b; }

private:
  const char* m_className;
  std::size_t m_objectSize;
  Creator m_creator;
  const RVLClassInfo* m_base;
  const RVLClassInfo* m_secondBase;
};

/// Class record members of a framework class; one RVL_DEFINE_CLASS_INFO in its source.
#define RVL_DECLARE_CLASS_INFO(T)                                                                      \
public:                                                                                                \
  static const RVLClassInfo ClassInfo_;                                                                \
  static const RVLClassInfo& ClassInfo() { return ClassInfo_; }                                        \
  static const char* ClassName() { return ClassInfo_.getClassName(); }                                 \
  const RVLClassInfo& getClassInfo() const override { return ClassInfo_; }                             \
  const char* getClassName() const override { return ClassInfo_.getClassName(); }                     \
  bool isDerivedFrom(const RVLClassInfo& other) const override { return ClassInfo_.isDerivedFrom(other); } \
  bool isInstanceOf(const RVLClassInfo& other) const override { return ClassInfo_.isInstanceOf(other); }   \
                                                                                                       \
private:

#define RVL_DEFINE_CLASS_INFO(T, Base)                                          \
  static_assert(std::is_base_of_v<Base, T>, #T " does not derive from " #Base); \
  const RVLClassInfo T::ClassInfo_(#T, sizeof(T), nullptr, &Base::ClassInfo_, nullptr);
