// The window host: one SDL window, maximised, showing the canvas scaled to
// its client area; key presses become ReadKey characters. It owns opening
// the window, its events and the waits; its parts are the key translation
// (key_codes.h), the end signals (end_signals.h), the X connection
// (x_connection.h) and presenting the canvas (window_presenter.h).
#pragma once

#include <memory>
#include <string>

#include "framework/runtime/runtime.h"

namespace lessons {

class WindowHost : public Host {
 public:
  explicit WindowHost(const std::string& title);
  ~WindowHost() override;
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  double PixelScale() const override;
  PixelMemory CanvasMemory(int width, int height) override;
  bool TakeKey(Canvas& canvas, int& code) override;
  void Idle(Canvas& canvas) override;
  void Pause(Canvas& canvas, int n) override;
  void Poll(Canvas& canvas) override;
  void WaitForClose(Canvas& canvas) override;
  std::string Clock() override;
  void SetTitle(const std::string& title) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lessons
