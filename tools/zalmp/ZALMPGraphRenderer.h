#pragma once
#include <string>

/// Draws a DOT graph through the graphviz library (its "dot" layout and the
/// renderer plugins it finds), inside this process.
class ZALMPGraphRenderer {
public:
  /// The drawing of `dot` in `format` ("svg", "png"): true and `image`; false
  /// and `error` when graphviz cannot read the text, lay it out or draw that
  /// format here. `image` changes only on success.
  static bool Render(const std::string& dot, const std::string& format, std::string& image, std::string& error);
};
