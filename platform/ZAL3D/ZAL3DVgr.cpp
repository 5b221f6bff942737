#include "ZAL3DVgr.h"

#include "ZAL3DBagRep.h"
#include "ZAL3DBoxRep.h"
#include "ZAL3DCylinderRep.h"
#include "ZAL3DMeshRep.h"
#include "ZAL3DSphereRep.h"

#include <ZALMathStream.h>

#include <climits>
#include <memory>
#include <utility>

namespace {

// "ZVGR" read as a little-endian number.
constexpr std::uint32_t kMark = 0x5247565Au;
constexpr std::uint32_t kVersion = 1;
// The least a child record takes: its kind and its length.
constexpr int kMinChildLength = 8;

using RepPtr = std::unique_ptr<ZAL3DRep, ZAL3DRep::Disposer>;

std::uint32_t PackColour(const ZAL3DColour& colour)
{
  return static_cast<std::uint32_t>(colour.red) | static_cast<std::uint32_t>(colour.green) << 8 |
         static_cast<std::uint32_t>(colour.blue) << 16 | static_cast<std::uint32_t>(colour.alpha) << 24;
}

ZAL3DColour UnpackColour(std::uint32_t packed)
{
  return {static_cast<unsigned char>(packed), static_cast<unsigned char>(packed >> 8),
          static_cast<unsigned char>(packed >> 16), static_cast<unsigned char>(packed >> 24)};
}

ZAL3DColour Mapped(const ZAL3DColour& colour, const ZAL3DColourMap* colourMap)
{
  if (!colourMap) return colour;
  const auto found = colourMap->find(colour);
  return found == colourMap->end() ? colour : found->second;
}

// `depth` counts the records open around this one, so that nothing is
// written that a reader would refuse for its depth.
HRESULT WriteNode(ZALMathStream& stream, const ZAL3DRep& node, int settings, const ZAL3DColourMap* colourMap,
                  int depth)
{
  if (depth >= ZALMathStream::kMaxRecordDepth) return E_FAIL;
  const std::size_t start = stream.WriteRecordStart(static_cast<std::uint32_t>(node.GetType()));
  if (settings & kZAL3DWritePlacements) stream.WriteTransformation(node.GetPlacement());
  if (settings & kZAL3DWriteColours) stream.WriteUInt32(PackColour(Mapped(node.GetColour(), colourMap)));
  node.WriteShape(stream);
  if (const auto* const bag = dynamic_cast<const ZAL3DBagRep*>(&node)) {
    stream.WriteUInt32(static_cast<std::uint32_t>(bag->GetChildCount()));
    for (int i = 0; i < bag->GetChildCount(); ++i)
      if (FAILED(WriteNode(stream, *bag->GetChild(i), settings, colourMap, depth + 1))) return E_FAIL;
  }
  return stream.WriteRecordEnd(start);
}

RepPtr ReadNode(ZALMathStream& stream, int settings);

RepPtr ReadBag(ZALMathStream& stream, int settings)
{
  RepPtr bag(ZAL3DBagRep::CreateRep());
  int count = 0;
  if (FAILED(stream.ReadCount(kMinChildLength, count))) return nullptr;
  for (int i = 0; i < count; ++i) {
    RepPtr child = ReadNode(stream, settings);
    if (!child) return nullptr;
    static_cast<ZAL3DBagRep&>(*bag).AddChild(child.release());
  }
  return bag;
}

// The one place that knows every kind of node.
RepPtr ReadShape(ZAL3DRepType type, ZALMathStream& stream, int settings)
{
  switch (type) {
    case ZAL3DRepType::Bag: return ReadBag(stream, settings);
    case ZAL3DRepType::Box: return RepPtr(ZAL3DBoxRep::ReadShape(stream));
    case ZAL3DRepType::Cylinder: return RepPtr(ZAL3DCylinderRep::ReadShape(stream));
    case ZAL3DRepType::Sphere: return RepPtr(ZAL3DSphereRep::ReadShape(stream));
    case ZAL3DRepType::Mesh: return RepPtr(ZAL3DMeshRep::ReadShape(stream));
  }
  return nullptr;
}

RepPtr ReadNode(ZALMathStream& stream, int settings)
{
  std::uint32_t type = 0;
  if (FAILED(stream.ReadRecordStart(type))) return nullptr;
  const ZALMathTransformation placement =
      (settings & kZAL3DWritePlacements) ? stream.ReadTransformation() : ZALMathTransformation();
  const ZAL3DColour colour = (settings & kZAL3DWriteColours) ? UnpackColour(stream.ReadUInt32()) : ZAL3DColour();
  RepPtr node = stream.IsGood() ? ReadShape(static_cast<ZAL3DRepType>(type), stream, settings) : nullptr;
  if (!node || FAILED(node->SetPlacement(placement)) || FAILED(stream.ReadRecordEnd())) return nullptr;
  node->SetColour(colour);
  return node;
}

}  // namespace

HRESULT ZALWriteVgr(const ZAL3DRep* node, std::vector<unsigned char>& buffer, int& length, int settings,
                    const ZAL3DColourMap* colourMap, int flag)
{
  buffer.clear();
  length = 0;
  if (!node) return E_FAIL;
  ZALMathStream stream;
  const std::size_t header = stream.WriteFrameStart(kMark, kVersion, settings, flag);
  if (FAILED(WriteNode(stream, *node, settings, colourMap, 0)) || FAILED(stream.WriteFrameEnd(header)))
    return E_FAIL;
  std::vector<unsigned char> bytes = stream.GetMemoryCopy();
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return E_FAIL;
  buffer = std::move(bytes);
  length = static_cast<int>(buffer.size());
  return S_OK;
}

HRESULT ZALWriteSceneGraph(const ZAL3DRep* node, std::vector<unsigned char>& buffer, int& length, int settings)
{
  return ZALWriteVgr(node, buffer, length, settings & ~kZAL3DWriteColours, nullptr, 0);
}

ZAL3DRep* ZALReadVgr(const unsigned char* buffer, int length)
{
  ZALMathStream stream(buffer, length);
  std::int32_t settings = 0;
  std::int32_t flag = 0;
  if (FAILED(stream.ReadFrame(kMark, kVersion, settings, flag))) return nullptr;
  RepPtr tree = ReadNode(stream, settings);
  // The tree must use up the buffer.
  if (!tree || stream.GetRemaining() != 0) return nullptr;
  return tree.release();
}

HRESULT ZALReadVgrSettings(const unsigned char* buffer, int length, int& settings, int& flag)
{
  ZALMathStream stream(buffer, length);
  std::int32_t readSettings = 0;
  std::int32_t readFlag = 0;
  const HRESULT status = stream.ReadFrame(kMark, kVersion, readSettings, readFlag);
  settings = readSettings;
  flag = readFlag;
  return status;
}
