#include "ZALMPModellerStream.h"

#include <ZALMPStreamText.h>

#include <ZALITRVObjectsLoad.h>
#include <ZALITRVObjectsSave.h>
#include <ZALSysTSCodePage.h>
#include <ZALTRVObjectList.h>
#include <ZALTRVStream.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace {

constexpr std::wstring_view kLength = L"length";
// The stream a geometry writes its objects to: no header, so no type or flag is kept in it.
constexpr int kStreamType = 11;
constexpr int kStreamFlag = 0;

}  // namespace

HRESULT ZALMPModellerStream::ToText(const ZALTRVObjectList& objects, std::wstring& text, std::int32_t& length)
{
  text.clear();
  length = 0;
  ZALTRVStream stream(0, kStreamType, kStreamFlag);
  if (FAILED(ZALITRVObjectsSave::Save(stream, objects))) return E_FAIL;
  const std::vector<unsigned char> bytes = stream.GetMemoryCopy();
  if (FAILED(ZALMPStreamText::ToText(bytes, &ZALSysTSCodePage::ConvertToBase64, text))) return E_FAIL;
  length = stream.GetLength();
  return S_OK;
}

bool ZALMPModellerStream::Write(const ZALMPFieldWriter& out, std::wstring_view id, std::wstring_view text,
                                std::int32_t length)
{
  const ZALMPFieldWriter element = out.Group(id, text);
  return element && element.Attribute(kLength, length);
}

HRESULT ZALMPModellerStream::Read(const ZALMPFieldReader& in, std::wstring_view id, ZALTRVObjectList& objects)
{
  const ZALMPFieldReader element = in.Group(id);
  std::wstring text;
  std::int32_t length = 0;
  if (!element || !element.Value(text) || !element.Attribute(kLength, length)) return E_FAIL;
  std::vector<unsigned char> bytes;
  // "length" guards the text: a cut that still decodes gives fewer bytes.
  if (FAILED(ZALMPStreamText::FromText(text, &ZALSysTSCodePage::ConvertFromBase64, bytes)) ||
      length < 0 || bytes.size() != static_cast<std::size_t>(length)) {
    in.Report();
    return E_FAIL;
  }
  ZALTRVStream stream(bytes.data(), static_cast<int>(bytes.size()));
  ZALTRVObjectList read;
  // The objects must take up the whole stream: bytes left over are damage too.
  if (FAILED(ZALITRVObjectsLoad::Load(stream, read)) || !stream.IsGood() || stream.GetRemaining() != 0) {
    in.Report();
    return E_FAIL;
  }
  objects = std::move(read);
  return S_OK;
}
