#pragma once
#include <ZALMPSerializer.h>

#include <memory>
#include <string>

/// The XML writer of the element tree. Make a root, let entities write into
/// it, then encode it with `Print` or `Save` (or ZALMPXmlCodec).
///
/// Each element becomes an XML element named after its id, each attribute an
/// XML attribute named after its id (ids that are no XML names are escaped,
/// see ZALMPXmlCodec). A value is the element's text: a double in the shortest
/// form that reads back to the same bits, an int in decimal, a bool as
/// "true"/"false", a text as it is (escaped). The root carries its version in
/// "zalmp:version"; any other element only where its version differs from its
/// parent's. An empty text value is marked by zalmp:empty="true", so that it
/// stays apart from an element without a value.
class ZALMPXmlWriter : public ZALMPSerializer {
public:
  ZALMPXmlWriter() = default;

  /// Writes the document atomically (see ZALMPXmlCodec::Save). S_OK or E_FAIL.
  HRESULT Save(const std::wstring& path) const override;
  /// The XML document (UTF-8) whose root element is this element. S_OK.
  HRESULT Print(std::string& text) const override;

protected:
  std::unique_ptr<ZALMPSerializer> CreateElement() const override;

private:
  void AppendStartTag(std::string& out, const ZALMPXmlWriter* parent) const;
  void AppendValue(std::string& out) const;
  bool HasText() const;
};
