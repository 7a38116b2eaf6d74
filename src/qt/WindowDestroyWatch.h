#pragma once
// A window destroyed from outside the program: another X client may destroy a window outright
// (`xdotool windowclose` does, and so do some window managers' kill commands) instead of
// asking it to close. Qt does not report that, and the program would run on without any
// window, its work out of reach. This watch sees the X server's notice of it and calls
// `destroyed`, once, for the watched window (not for Qt's own windows going away).

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <functional>

namespace quorvel {

class WindowDestroyWatch : public QAbstractNativeEventFilter {
 public:
  WindowDestroyWatch(const QWidget& window, std::function<void()> destroyed);
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  const QWidget& window_;
  std::function<void()> destroyed_;
};

}  // namespace quorvel
