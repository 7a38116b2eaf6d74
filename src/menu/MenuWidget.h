#pragma once
// The menu bar on the window: four panels (TSubPanel), each with one menu control (TsubMenu)
// that draws the titles or a list as the menu model holds them and reports the mouse to it.

#include <QFrame>
#include <QWidget>
#include <array>
#include <functional>

#include "menu/Menu.h"

namespace quorvel {

class TsubMenu : public QWidget {
 public:
  TsubMenu(Menu& menu, int level, QWidget* parent);
  std::function<void()> onChange;  // the menu changed: show it again
  int level() const { return level_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Menu& menu_;
  int level_;
};

class TSubPanel : public QFrame {
 public:
  TSubPanel(Menu& menu, int level, QWidget* parent);
  TsubMenu* control;
};

// The four levels, placed and shown as the model says.
class MenuWidget {
 public:
  MenuWidget(Menu& menu, QWidget* window);
  std::function<void()> onChange;
  void refresh();
  std::array<TSubPanel*, Menu::kLevels> panels{};

 private:
  Menu& menu_;
};

}  // namespace quorvel
