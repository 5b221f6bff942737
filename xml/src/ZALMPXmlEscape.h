#pragma once
#include <ZALMPXmlOutput.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// How element-tree texts become XML and back, both ways in one place.
///
/// Any wide code unit that XML cannot carry at its place (in a name: anything
/// that is no name character, and ':'; in a value: anything that is no XML
/// character) is written as "_x" + its value in upper-case hex + "_". A
/// literal '_' followed by 'x' is escaped the same way ("_x5F_"), so every
/// "_x<hex>_" in a document is an escape. Names that begin with "xml" (in any
/// case) have their first letter escaped, as XML reserves them. The empty id
/// is written "_x_". Names that contain ':' are therefore never ids: the
/// writer uses them for its own bookkeeping ("zalmp:version", "zalmp:empty").
class ZALMPXmlEscape {
public:
  /// Appends the XML name of an id given in the tree's text encoding; true
  /// when that name is the id itself, nothing escaped.
  static bool AppendName(ZALMPXmlOutput& out, std::string_view id);
  /// Appends the XML content of a value given in the tree's text encoding:
  /// markup characters and tab, line feed and carriage return as references,
  /// and in element content a leading or trailing space as "&#32;", so that
  /// parsers keep it.
  static void AppendText(ZALMPXmlOutput& out, std::string_view text, bool inAttribute);

  /// True when `text` holds an "_x" that decoding must look at.
  static bool HasEscapes(std::string_view text);
  /// The wide text of an XML name or value (character references already
  /// resolved) with its "_x..._" escapes decoded. `name` selects the rule that
  /// "_x_" alone is the empty id.
  static std::wstring Decode(std::string_view text, bool name);

  /// Resolves the predefined entities and character references of raw XML
  /// content into `out`. On a reference that XML does not allow, returns false
  /// and sets `bad` to the index in `raw` of its '&'.
  static bool ResolveReferences(std::string_view raw, std::string& out, std::size_t& bad);

  /// True for the characters XML 1.0 documents may contain.
  static bool IsXmlChar(std::uint32_t unit);
  static bool IsNameStartChar(std::uint32_t unit);
  static bool IsNameChar(std::uint32_t unit);
};
