#pragma once
// A scale bar beside the graph (HorScaleBox, vertScaleBox): shows the bar as the scale
// buttons draw it and reports the mouse to the controller.

#include <QWidget>
#include <functional>

#include "plot/ScaleButtons.h"

namespace quorvel {

class ScaleBox : public QWidget {
 public:
  ScaleBox(bool horizontal, const ScaleButtons& buttons, QWidget* parent);

  std::function<void(bool horizontal, int position)> onMouseMove;
  std::function<void(int button)> onButton;  // 1 left, 2 right, 0 released

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool horizontal_;
  const ScaleButtons& buttons_;
};

}  // namespace quorvel
