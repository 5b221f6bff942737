#include <ZALMPXmlCodec.h>

#include "ZALMPXmlSystemError.h"
#include "ZALMPXmlText.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <random>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Reads the whole file into `content`, which is left as it was when it cannot.
ZALMPXmlResult ReadFile(const std::filesystem::path& path, std::string& content,
                        const ZALMPXmlCodec::BytesDone& read = {})
{
  ZALMPXmlText text;
  if (ZALMPXmlResult result = text.ReadFile(path, read); !result) return result;
  content.clear();
  content.reserve(text.Size() + 64);  // a little beyond the file, for the reader's working space
  content.assign(text.View());
  return {};
}

bool WriteAll(int fd, std::string_view data)
{
  while (!data.empty()) {
    const ssize_t put = ::write(fd, data.data(), data.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

// A new file beside `target`, created exclusively; -1 with errno when none can be made.
int CreateBeside(const std::filesystem::path& target, std::filesystem::path& created)
{
  std::random_device entropy;
  for (int attempt = 0; attempt < 16; ++attempt) {
    created = target;
    created += ".tmp-" + std::to_string(entropy());
    const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The directory entry of a rename is durable once its directory is flushed.
void FlushDirectoryOf(const std::filesystem::path& path)
{
  std::filesystem::path directory = path.parent_path();
  if (directory.empty()) directory = ".";
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string ZALMPXmlCodec::Write(const ZALMPXmlWriter& root)
{
  std::string text;
  root.Print(text);
  return text;
}

ZALMPXmlResult ZALMPXmlCodec::Read(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root)
{
  std::string buffer;
  buffer.reserve(text.size() + 64);  // a little beyond the text, for the reader's working space
  buffer.assign(text);
  auto fresh = std::make_unique<ZALMPXmlReader>(ZALMPXmlReader::NewStorage());
  ZALMPXmlReader::Problem problem;
  if (!ZALMPXmlReader::Build(buffer, *fresh, problem)) return Located(problem, text);
  root = std::move(fresh);
  return {};
}

ZALMPXmlResult ZALMPXmlCodec::ReadFileInto(const std::filesystem::path& path, ZALMPXmlReader& root,
                                           const BytesDone& read)
{
  std::string buffer;
  if (ZALMPXmlResult result = ReadFile(path, buffer, read); !result) return result;
  ZALMPXmlReader::Problem problem;
  if (ZALMPXmlReader::Build(buffer, root, problem)) return {};

  // Parsing works in place; the position is found again in the file's own text.
  std::string original;
  if (!ReadFile(path, original)) original.clear();
  return Located(problem, original);
}

ZALMPXmlResult ZALMPXmlCodec::Load(const std::filesystem::path& path, std::unique_ptr<ZALMPXmlReader>& root,
                                   const BytesDone& read)
{
  auto fresh = std::make_unique<ZALMPXmlReader>(ZALMPXmlReader::NewStorage());
  ZALMPXmlResult result = ReadFileInto(path, *fresh, read);
  if (result) root = std::move(fresh);
  return result;
}

ZALMPXmlResult ZALMPXmlCodec::Load(const std::filesystem::path& path, ZALMPXmlReader& element)
{
  // Built apart, in the element's own storage, and swapped in once complete.
  ZALMPXmlReader::Element<ZALMPXmlReader> fresh = element.MakeElement<ZALMPXmlReader>();
  ZALMPXmlResult result = ReadFileInto(path, *fresh);
  if (result && FAILED(element.SwapContent(*fresh))) result = ZALMPXmlResult::Failure("out of memory");
  return result;
}

ZALMPXmlResult ZALMPXmlCodec::Save(const ZALMPXmlWriter& root, const std::filesystem::path& path)
{
  return SaveWith([&root](int fd) { return root.Stream([fd](std::string_view piece) { return WriteAll(fd, piece); }); },
                  path);
}

ZALMPXmlResult ZALMPXmlCodec::SaveText(std::string_view text, const std::filesystem::path& path)
{
  return SaveWith([text](int fd) { return WriteAll(fd, text); }, path);
}

ZALMPXmlResult ZALMPXmlCodec::LoadText(const std::filesystem::path& path, std::string& text, const BytesDone& read)
{
  return ReadFile(path, text, read);
}

ZALMPXmlResult ZALMPXmlCodec::SaveStreamed(const std::function<bool(ZALMPXmlWriter&)>& fill,
                                           const std::filesystem::path& path, const BytesDone& written)
{
  return SaveWith(
      [&fill, &written](int fd) {
        std::uint64_t done = 0;
        ZALMPXmlStreamedTree tree([fd, &done, &written](std::string_view piece) {
          if (!WriteAll(fd, piece)) return false;
          done += piece.size();
          if (written) written(done, 0);
          return true;
        });
        errno = EIO;  // what a refused or broken tree reports, when no write call failed
        return fill(tree.Root()) && tree.Finish();
      },
      path);
}

ZALMPXmlResult ZALMPXmlCodec::SaveWith(const std::function<bool(int)>& write, const std::filesystem::path& path)
{
  std::filesystem::path temporary;
  const int fd = CreateBeside(path, temporary);
  if (fd < 0) return ZALMPXmlResult::Failure(ZALMPXmlSystemError("cannot create a file beside", path, errno));

  auto fail = [&temporary, &path](int error) {
    ::unlink(temporary.c_str());
    return ZALMPXmlResult::Failure(ZALMPXmlSystemError("cannot write", path, error));
  };
  if (!write(fd) || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    return fail(error);
  }
  if (::close(fd) != 0) return fail(errno);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return fail(errno);
  FlushDirectoryOf(path);
  return {};
}

ZALMPXmlResult ZALMPXmlCodec::Located(const ZALMPXmlReader::Problem& problem, std::string_view original)
{
  std::size_t offset = std::min(problem.offset, original.size());
  if (problem.mark != 0) {
    std::size_t seen = 0;
    for (std::size_t i = offset; i < original.size(); ++i)
      if (original[i] == problem.mark && seen++ == problem.ordinal) {
        offset = i;
        break;
      }
  }
  // Lines count from 1; a column counts characters, not the bytes of UTF-8.
  int line = 1;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i)
    if (original[i] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  int column = 1;
  for (std::size_t i = lineStart; i < offset; ++i)
    if ((static_cast<unsigned char>(original[i]) & 0xC0) != 0x80) ++column;
  return ZALMPXmlResult::Failure(problem.message, line, column);
}
