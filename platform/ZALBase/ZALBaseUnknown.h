#pragma once

/// A host design object: reference counted, and able to name the object that
/// implements it (an interface object may stand in front of its implementer).
class ZALBaseUnknown {
public:
  ZALBaseUnknown() = default;
  ZALBaseUnknown(const ZALBaseUnknown&) = delete;
  ZALBaseUnknown& operator=(const ZALBaseUnknown&) = delete;

  /// Takes one more reference; returns the new count.
  unsigned long AddRef();
  /// Drops one reference and deletes the object at zero; returns the new count.
  unsigned long Release();
  unsigned long GetRefCount() const { return m_count; }

  /// Query 0 answers the object that implements this interface: this object
  /// itself unless a subclass stands in for another one. Other queries answer null.
  virtual ZALBaseUnknown* QueryImplementation(int query);

protected:
  virtual ~ZALBaseUnknown() = default;

private:
  unsigned long m_count = 0;
};
