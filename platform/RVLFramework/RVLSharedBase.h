#pragma once

class RVLCountedObject;

/// The untyped mechanics under every RVLSharedHandle.
class RVLSharedBase {
protected:
  static void AcquireReference(const RVLCountedObject* object) noexcept;
  static void ReleaseReference(const RVLCountedObject* object) noexcept;
  static bool IsReferentAlive(const RVLCountedObject* object) noexcept;
  /// Raises RVLEInvalidCast naming both classes (either may be null: unknown).
  [[noreturn]] static void ThrowInvalidCast(const char* sourceClass, const char* targetClass);
};
