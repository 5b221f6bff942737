#pragma once
#include "ZALMPXmlReader.h"
#include "ZALMPXmlResult.h"
#include "ZALMPXmlWriter.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

/// Element trees to XML documents and back, in text and in files.
///
/// The document's root element is the tree's root. Ids that are no XML names
/// are escaped reversibly (see ZALMPXmlWriter and the "_x<hex>_" escape): any
/// id and any text, including ones with characters XML cannot carry, reads
/// back unchanged.
class ZALMPXmlCodec {
public:
  /// Hears how many bytes of a file were read or written so far, and of how
  /// many (0 when not known).
  using BytesDone = std::function<void(std::uint64_t done, std::uint64_t total)>;

  /// The XML document (UTF-8) of the tree below `root`.
  static std::string Write(const ZALMPXmlWriter& root);
  /// Reads the XML document `text`. On success `root` holds the new tree; on
  /// failure it is left as it was and the result says what is wrong and where
  /// (malformed XML, a bad entity or character reference, no or two root elements).
  static ZALMPXmlResult Read(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root);

  /// Writes the document of `root` to `path`: into a new file beside it, flushed
  /// to disk, then renamed over `path`. On failure `path` is as it was and no
  /// temporary file remains.
  static ZALMPXmlResult Save(const ZALMPXmlWriter& root, const std::filesystem::path& path);
  /// Lets `fill` write into the root of a streamed tree (ZALMPXmlStreamedTree),
  /// whose text goes to `path` as it is committed, in the same atomic way.
  /// `fill` answers false when it failed; the old file then stays.
  static ZALMPXmlResult SaveStreamed(const std::function<bool(ZALMPXmlWriter&)>& fill,
                                     const std::filesystem::path& path, const BytesDone& written = {});
  /// Writes `text` to `path` in the same atomic way as `Save`.
  static ZALMPXmlResult SaveText(std::string_view text, const std::filesystem::path& path);
  /// The whole content of the file at `path`; on failure `text` is left as it
  /// was and the message names the file and the system's reason. `read`
  /// hears of the bytes read as `Load`'s does.
  static ZALMPXmlResult LoadText(const std::filesystem::path& path, std::string& text, const BytesDone& read = {});
  /// Reads the document in `path` as `Read` does.
  static ZALMPXmlResult Load(const std::filesystem::path& path, std::unique_ptr<ZALMPXmlReader>& root,
                             const BytesDone& read = {});
  /// Replaces the id, value, attributes, children and version of `element`
  /// by those of the root element of the document in `path`; on failure
  /// `element` is unchanged.
  static ZALMPXmlResult Load(const std::filesystem::path& path, ZALMPXmlReader& element);

private:
  /// Creates a file beside `path`, lets `write` fill it (false: failed, errno
  /// set), flushes it and renames it over `path`; removes it on any failure.
  static ZALMPXmlResult SaveWith(const std::function<bool(int)>& write, const std::filesystem::path& path);
  static ZALMPXmlResult ReadFileInto(const std::filesystem::path& path, ZALMPXmlReader& root,
                                     const BytesDone& read = {});
  static ZALMPXmlResult Located(const ZALMPXmlReader::Problem& problem, std::string_view original);
};
