#include "qt/WindowDestroyWatch.h"

#include <xcb/xcb.h>

namespace quorvel {

WindowDestroyWatch::WindowDestroyWatch(const QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed)) {}

bool WindowDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || !destroyed_) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
  const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
  // When Qt destroys the window itself (to make it anew), the widget has another id by the
  // time the notice comes.
  if (destroy->window != window_.internalWinId() || window_.internalWinId() == 0) return false;
  std::function<void()> destroyed = std::move(destroyed_);
  destroyed_ = nullptr;
  destroyed();
  return false;
}

}  // namespace quorvel
