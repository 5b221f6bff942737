#pragma once
#include "ZALMPXmlResult.h"

#include <ZALMPVersion.h>

#include <RVLBasicWorld.h>
#include <RVLSharedHandle.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class ZALMPWorld;
class ZALMPXmlText;
class ZALMPXmlWriter;

/// Something the library reported while reading a model: the failure path
/// (its source text and line) and the element being read at the time.
struct ZALMPXmlWarning {
  std::string source;    // "<Module>.m/src/<Class>"
  int line = 0;          // line of that failure path
  std::wstring element;  // e.g. "Bodies[2] <Body id=\"7\">"; empty when outside any element
};

/// A world read from a model document, owning it together with its host world.
/// Destroying the model (or `Release`) destroys both, so a host that wants to
/// keep the world takes `world` and `hostWorld` out first (then it destroys
/// them itself).
struct ZALMPXmlModel {
  RVLSharedHandle<RVLBasicWorld> hostWorld;
  RVLSharedHandle<ZALMPWorld> world;
  std::wstring version;                   // format version of the document
  std::vector<ZALMPXmlWarning> warnings;  // in the order they were reported

  ZALMPXmlModel();  // out of line: the handles' types are only declared here
  ZALMPXmlModel(ZALMPXmlModel&& other) noexcept = default;
  ZALMPXmlModel& operator=(ZALMPXmlModel&& other) noexcept;
  ~ZALMPXmlModel();

  /// Destroys the world and its host world (when held) and clears everything.
  void Release();
};

/// How far a long Load or Save has come, for a caller that shows it: `done`
/// of `total` (0 when not known) in `unit`. It is called often (every chunk
/// of bytes, every entity), so it should be cheap; an empty one costs nothing.
enum class ZALMPXmlProgressUnit { Bytes, Entities };
using ZALMPXmlProgress = std::function<void(ZALMPXmlProgressUnit unit, std::uint64_t done, std::uint64_t total)>;

/// Whole worlds as XML model documents: a root element "ZALMPModel" carrying
/// the format version, and the world's "World" element under it.
class ZALMPXml {
public:
  /// The document of `world` in the layout of `version` (one of
  /// ZALMPVersion::kAll). E_FAIL with a message for an unknown version.
  static ZALMPXmlResult Write(const ZALMPWorld& world, std::string& text,
                              std::wstring_view version = ZALMPVersion::kNewest);
  /// Reads a model document into a new world. On success `model` holds it,
  /// with every report made while reading as a warning. On failure `model` is
  /// left as it was and no world is kept: malformed XML (message with line and
  /// column), no "ZALMPModel" root or no "World" element under it, an unknown
  /// version, or a reference to an entity of the wrong kind (the message names
  /// the element and both kinds).
  static ZALMPXmlResult Read(std::string_view text, ZALMPXmlModel& model);

  /// `Write`, then an atomic save: `path` is replaced only by a complete file.
  /// `progress` hears of the bytes written.
  static ZALMPXmlResult Save(const ZALMPWorld& world, const std::filesystem::path& path,
                             std::wstring_view version = ZALMPVersion::kNewest, const ZALMPXmlProgress& progress = {});
  /// `Read` of the file at `path`; a file that cannot be read is an error.
  /// `progress` hears of the bytes of the file read, then of the entities read.
  static ZALMPXmlResult Load(const std::filesystem::path& path, ZALMPXmlModel& model,
                             const ZALMPXmlProgress& progress = {});

private:
  friend class ZALMPXmlReadPaths;

  static ZALMPXmlResult ReadText(ZALMPXmlText text, ZALMPXmlModel& model, const ZALMPXmlProgress& progress);
  /// Reads the world entity by entity: false when the direct reading gives up
  /// on the document (`text` is then handed back); else `result` is the read's.
  static bool ReadEntityByEntity(ZALMPXmlText& text, ZALMPXmlModel& model, const ZALMPXmlProgress& progress,
                                 ZALMPXmlResult& result);
  /// Reads the whole tree, then the world from it.
  static ZALMPXmlResult ReadWhole(std::string_view text, ZALMPXmlModel& model, const ZALMPXmlProgress& progress);
  static bool WriteModel(const ZALMPWorld& world, std::wstring_view version, ZALMPXmlWriter& root);
};
