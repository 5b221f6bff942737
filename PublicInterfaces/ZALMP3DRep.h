#pragma once
#include "ZALMPExport.h"
#include "ZALMPShape.h"

#include <ZAL3DBagRep.h>
#include <ZAL3DRep.h>
#include <ZALStatus.h>

#include <memory>

/// A shape that a viewer draws: a scene-graph node (the representation) and
/// a master representation, both children of a bag that the shape makes when
/// it is made and disposes of, with them, when it goes.
///
/// It writes "Rep3D" holding the shape part and attribute "stream", the
/// widened Base64 of a scene-graph buffer of the representation (settings
/// 71). When "DUMP_SCENEGRAPH_ONLY" is set in the environment of the process
/// (read once, at the first write), the buffer holds the scene graph alone,
/// without colours. A shape without a representation writes no "stream"
/// (reported). The master representation is not written.
///
/// Reading makes the node read from "stream" the representation. A missing
/// "stream" or a damaged buffer is reported and gives E_FAIL; the shape keeps
/// what it held.
///
/// A copy holds copies of both nodes in a bag of its own.
class ZALMP_EXPORT ZALMP3DRep : public ZALMPShape {
  ZALMP_DECLARE_SERIALIZED_KIND(ZALMP3DRep, ZALMPShape);

public:
  /// Disposes of the node held, when `rep` is another one, and holds `rep`
  /// (null: none) as a child of the shape's bag, which owns it from then on.
  /// Giving the node held again changes nothing. A node that is the master
  /// representation is not taken a second time: the representation is then
  /// none. S_OK.
  virtual HRESULT Set3DRep(ZAL3DRep* rep);
  /// The representation, null when there is none; it stays the shape's.
  virtual ZAL3DRep* Get3DRep() const;
  /// As Set3DRep and Get3DRep, for the master representation.
  virtual HRESULT SetMasterRep(ZAL3DRep* rep);
  virtual ZAL3DRep* GetMasterRep() const;

private:
  HRESULT Hold(ZAL3DRep*& held, const ZAL3DRep* other, ZAL3DRep* rep);

  std::unique_ptr<ZAL3DBagRep, ZAL3DRep::Disposer> m_bag{ZAL3DBagRep::CreateRep()};
  // Both are children of m_bag, which owns them.
  ZAL3DRep* m_rep = nullptr;
  ZAL3DRep* m_masterRep = nullptr;
};
