// Whole-file reading, and saving that never leaves a half-written file in
// place of a good one: the bytes go to a temporary file in the target's
// folder, which then replaces the target in one move.
#include <windows.h>

#include <string>

#include "handles.h"
#include "picture_codecs.h"

namespace kx::codecs {
namespace {

std::string systemError(const char* what, DWORD code) {
  char text[256] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                 sizeof text - 1, nullptr);
  std::string message = std::string(what) + ": " + text;
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message;
}

std::wstring widen(const char* path) {
  int n = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(std::size_t(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], n);
  wide.resize(std::size_t(n - 1));
  return wide;
}

}  // namespace

Status readFileBytes(const wchar_t* path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
  framework::KernelHandle file(framework::OwnFile(
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) return Status::fail(systemError("cannot open the file", GetLastError()));
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) return Status::fail(systemError("cannot read the file", GetLastError()));
  if (std::uint64_t(size.QuadPart) > maxBytes) return Status::fail("the file is too large");
  std::vector<std::uint8_t> bytes(std::size_t(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 24)), got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr))
      return Status::fail(systemError("cannot read the file", GetLastError()));
    if (got == 0) return Status::fail("the file changed while it was read");
    done += got;
  }
  out = std::move(bytes);
  return Status::ok();
}

Status writeFileAtomically(const wchar_t* path, const std::uint8_t* data, std::size_t size) {
  // The temporary file: the target's name plus a suffix no other file has,
  // in the same folder (so that the final move stays on one volume).
  std::wstring temp;
  framework::KernelHandle file;
  for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
    temp = std::wstring(path) + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
           std::to_wstring(GetTickCount() + attempt) + L".tmp";
    file = framework::OwnFile(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && GetLastError() != ERROR_FILE_EXISTS)
      return Status::fail(systemError("cannot create the file", GetLastError()));
  }
  if (!file) return Status::fail("cannot create a temporary file beside the target");
  std::size_t done = 0;
  bool ok = true;
  DWORD error = 0;
  while (ok && done < size) {
    DWORD chunk = DWORD(std::min<std::size_t>(size - done, 1u << 24)), put = 0;
    ok = WriteFile(file.get(), data + done, chunk, &put, nullptr) && put == chunk;
    if (!ok) error = GetLastError();
    done += put;
  }
  if (ok && !FlushFileBuffers(file.get())) { ok = false; error = GetLastError(); }
  file.reset();
  if (ok && !MoveFileExW(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileW(temp.c_str());
    return Status::fail(systemError("cannot write the file", error ? error : ERROR_WRITE_FAULT));
  }
  return Status::ok();
}

Status readFileBytes(const char* path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
  std::wstring wide = widen(path);
  if (wide.empty()) return Status::fail("bad file name");
  return readFileBytes(wide.c_str(), out, maxBytes);
}

Status writeFileAtomically(const char* path, const std::uint8_t* data, std::size_t size) {
  std::wstring wide = widen(path);
  if (wide.empty()) return Status::fail("bad file name");
  return writeFileAtomically(wide.c_str(), data, size);
}

}  // namespace kx::codecs
