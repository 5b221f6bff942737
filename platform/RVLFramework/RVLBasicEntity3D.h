#pragma once
#include "RVLBasicEntity.h"

/// An entity of a host world that lives in 3D space. A floating entity is one
/// that the host lets move freely.
class RVLBasicEntity3D : public RVLBasicEntity {
  RVL_DECLARE_CLASS_INFO(RVLBasicEntity3D)
public:
  bool isFloating() const { return m_floating; }
  void setFloating(bool floating) { m_floating = floating; }

protected:
  RVLBasicEntity3D() = default;
  RVLBasicEntity3D(const RVLBasicEntity3D& other) = default;

private:
  bool m_floating = false;
};
