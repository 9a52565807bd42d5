#include "framework/runtime/headless_host.h"

#include <cstdio>
#include <filesystem>

#include "framework/runtime/canvas.h"
#include "framework/runtime/errors.h"

namespace lessons {

HeadlessHost::HeadlessHost(HeadlessOptions options) : options_(std::move(options)) {
  if (!options_.logPath.empty()) {
    auto dir = std::filesystem::path(options_.logPath).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir);
    logFile_ = std::fopen(options_.logPath.c_str(), "w");
    if (!logFile_) throw std::runtime_error("cannot write the log file " + options_.logPath);
  }
  if (!options_.pngDir.empty()) std::filesystem::create_directories(options_.pngDir);
}

HeadlessHost::~HeadlessHost() {
  if (logFile_) std::fclose(logFile_);
}

std::vector<int> HeadlessHost::ParseKeyScript(std::string_view script) {
  std::vector<int> keys;
  std::vector<std::string> chars = Chars(script);
  for (size_t i = 0; i < chars.size(); ++i) {
    int code = Asc(chars[i]);
    if (code == '\\' && i + 1 < chars.size()) {
      int escaped = Asc(chars[i + 1]);
      int key = escaped == 'n' ? kKeyEnter : escaped == 'b' ? kKeyBackspace
              : escaped == 'f' ? kKeyClear : escaped == '\\' ? '\\' : 0;
      if (key != 0) {
        keys.push_back(key);
        ++i;
        continue;
      }
    }
    keys.push_back(code);  // a lone backslash is a key of its own
  }
  return keys;
}

bool HeadlessHost::TakeKey(Canvas& canvas, int& code) {
  if (next_ >= static_cast<int>(options_.keys.size())) throw WindowClosed{};
  if (!options_.pngDir.empty()) {
    char name[32];
    std::snprintf(name, sizeof name, "key-%04d.png", pngCount_);
    canvas.SavePng((std::filesystem::path(options_.pngDir) / name).string());
    ++pngCount_;
  }
  code = options_.keys[next_++];
  return true;
}

void HeadlessHost::Log(std::string_view line) {
  if (options_.keepLog) lines_.emplace_back(line);
  if (logFile_) {
    std::fwrite(line.data(), 1, line.size(), logFile_);
    std::fputc('\n', logFile_);
  }
}

}  // namespace lessons
