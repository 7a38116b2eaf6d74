#pragma once
// The coordinate window: shows the picture by wrapping its pixels in a QImage, and draws the
// dotted cross-hair with its coordinate labels over it, never into the picture. On a screen
// with more pixels than the picture (a device pixel ratio above 1) it shows the picture's
// record of drawing calls drawn again at that ratio instead, kept until the picture changes.
// To assistive technology it is a graphic named "grafiek", described in words on demand.

#include <QImage>
#include <QWidget>
#include <functional>

#include "plot/Graph.h"
#include "plot/ScaleButtons.h"

namespace quorvel {

class GrafiekBox : public QWidget {
 public:
  GrafiekBox(Graph& graph, QWidget* parent);

  std::function<void()> onHover;  // the mouse moves over the graph
  // The right button (and any other but the left and the middle) pressed.
  std::function<void(int x, int y, Qt::MouseButton button, bool shift)> onMouseDown;
  // The left or the middle button: pressed, moved while down, released (a click or a drag).
  std::function<void(int x, int y, bool shift)> onPress;
  std::function<void(int x, int y)> onDrag;
  std::function<void()> onRelease;
  // The wheel: its angle in eighths of a degree; Shift and Ctrl held.
  std::function<void(int x, int y, int angle, bool shift, bool ctrl)> onWheel;
  // The picture in words, asked for when a screen reader reads the graph's description.
  std::function<std::string()> describe;

  // (0, 0) removes the cross-hair.
  void DrawCrosshair(int column, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const QImage& sharpPicture(double ratio);

  Graph& graph_;
  CrossHair crossHair_;
  QImage sharp_;
  uint64_t sharpGeneration_ = 0;
  uint64_t describedGeneration_ = 0;  // the picture the description last said changed
};

}  // namespace quorvel
