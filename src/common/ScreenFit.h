#pragma once
// How a window of fixed layout (the main window, the help window) meets a screen smaller than
// itself (1366 x 768, 1280 x 800 and 1024 x 768 are common on school laptops and projectors):
// it keeps every pixel of its page, the 801 x 801 picture above all, and shows the page in a
// scrolling view as large as the screen's free area allows. Scaling the page down instead
// would blur the one-pixel grid and the labels, and break the picture's exact pixels, which
// the bitmap, the points clicked and the cross-hair's numbers all rest on.

namespace quorvel {

// Below this the program asks first whether to go on ("scherm te klein: dooraan?").
inline constexpr int kComfortableWidth = 1200;
inline constexpr int kComfortableHeight = 1000;
inline bool screenTooSmall(int width, int height) {
  return width < kComfortableWidth || height < kComfortableHeight;
}

struct WindowFit {
  int width = 0;  // of the window's inside
  int height = 0;
  bool scrolls = false;  // the page does not fit: a scroll bar shows
};

// The window for a page of `pageWidth` x `pageHeight` on a free area of the screen (without
// panels) of `freeWidth` x `freeHeight`, the window manager's frame taking `frameWidth` x
// `frameHeight` more, and scroll bars `scrollBar` pixels thick.
WindowFit fitToScreen(int pageWidth, int pageHeight, int freeWidth, int freeHeight, int frameWidth,
                      int frameHeight, int scrollBar);

}  // namespace quorvel
