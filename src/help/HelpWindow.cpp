#include "help/HelpWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextStream>
#include <QWheelEvent>

#include "common/Language.h"
#include "common/ScreenFit.h"
#include "qt/Controls.h"
#include "qt/PictureImage.h"

namespace quorvel {
namespace {

// The page: the help text as the page model draws it; the mouse over its markers.
class HelpPageBox : public QWidget {
 public:
  HelpPageBox(HelpPage& page, QScrollBar* scrollBar, QWidget* parent)
      : QWidget(parent), page_(page), scrollBar_(scrollBar) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
  }
  int hoverTarget = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    page_.render(picture_);
    QPainter(this).drawImage(0, 0, imageOf(picture_));
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    const int target = page_.targetAt(static_cast<int>(event->position().x()),
                                      static_cast<int>(event->position().y()));
    if (target == hoverTarget) return;
    hoverTarget = target;
    setCursor(target != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
  void mousePressEvent(QMouseEvent*) override {
    if (hoverTarget <= 0) return;
    scrollBar_->setValue(hoverTarget);  // the scroll bar keeps it within its range
    hoverTarget = 0;
    setCursor(Qt::ArrowCursor);
  }
  // The wheel over the page scrolls the text, also where the window's view could scroll.
  void wheelEvent(QWheelEvent* event) override {
    QCoreApplication::sendEvent(window(), event);
    event->accept();
  }

 private:
  HelpPage& page_;
  QScrollBar* scrollBar_;
  Picture picture_{HelpPage::kWidth, HelpPage::kHeight};
};

// The window's page, which a small screen shows in a scrolling view: the page box and its
// scroll bar, with two rings two pixels outside the page.
class HelpContent : public QWidget {
 public:
  using QWidget::QWidget;
  QWidget* pageBox = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect box = pageBox->geometry();
    const int l = box.left(), t = box.top(), r = box.right(), b = box.bottom();
    for (int d = 1; d <= 2; ++d) {
      paintBevel(painter, {l - d, t - d}, {r + d, b + d}, QColor::fromRgb(fromBgr(0x808000)),
                 QColor::fromRgb(fromBgr(0xA0A000)));
    }
  }
};

}  // namespace

std::vector<std::string> helpTextLines() {
  std::vector<std::string> lines;
  // The help of the language in use: help.txt, or help_<code>.txt beside it.
  QFile file(currentLanguage() == Language::Dutch
                 ? QString(":/help/help.txt")
                 : QString(":/help/help_%1.txt")
                       .arg(QString::fromUtf8(codeOf(currentLanguage()).data(), 2)));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  while (!in.atEnd()) {
    QString line = in.readLine();
    line.replace("%VERSION%", QUORVEL_VERSION);
    lines.push_back(line.toStdString());
  }
  return lines;
}

Thelpform6::Thelpform6(TextPainter& text, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      page(text),
      mainWindow_(mainWindow) {
  setWindowTitle("help");
  setFixedSize(kWidth, kHeight);
  auto* content = new HelpContent();
  content->setFixedSize(kWidth, kHeight);
  scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);  // the keys scroll the text
  scroller->setWidget(content);
  scroller->setGeometry(0, 0, kWidth, kHeight);
  ScrollBar1 = new QScrollBar(Qt::Vertical, content);
  ScrollBar1->setGeometry(832, 16, 17, 801);
  ScrollBar1->setPageStep(10);
  ScrollBar1->setFocusPolicy(Qt::NoFocus);
  PaintBox1 = new HelpPageBox(page, ScrollBar1, content);
  PaintBox1->setGeometry(16, 16, HelpPage::kWidth, HelpPage::kHeight);
  content->pageBox = PaintBox1;
  connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int position) {
    page.topLine = position;
    PaintBox1->update();
  });
}

void Thelpform6::loadText() {
  page.setText(helpTextLines());
  ScrollBar1->setRange(0, page.scrollMaximum());
}

void Thelpform6::fitToScreen(const QRect& freeArea, QSize frame) {
  const WindowFit fit =
      quorvel::fitToScreen(kWidth, kHeight, freeArea.width(), freeArea.height(), frame.width(),
                           frame.height(), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  setFixedSize(fit.width, fit.height);
  scrolledAt_ = fit.scrolls ? std::optional(freeArea.topLeft()) : std::nullopt;
}

void Thelpform6::resizeEvent(QResizeEvent* event) {
  scroller->setGeometry(rect());
  QDialog::resizeEvent(event);
}

void Thelpform6::showHelp() {
  move(scrolledAt_.value_or(mainWindow_->pos() + QPoint(10, 10)));
  ScrollBar1->setValue(0);
  page.topLine = 0;
  PaintBox1->update();
  exec();
}

void Thelpform6::keyPressEvent(QKeyEvent* event) {
  using Scroll = HelpPage::Scroll;
  static constexpr std::pair<int, Scroll> kKeys[] = {
      {Qt::Key_Up, Scroll::LineUp},     {Qt::Key_Down, Scroll::LineDown},
      {Qt::Key_PageUp, Scroll::PageUp}, {Qt::Key_PageDown, Scroll::PageDown},
      {Qt::Key_Home, Scroll::Top},      {Qt::Key_End, Scroll::End}};
  for (auto [key, how] : kKeys) {
    if (event->key() == key) {
      ScrollBar1->setValue(page.scrolled(how));
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

void Thelpform6::wheelEvent(QWheelEvent* event) {
  // Whole notches of 15 degrees; the smaller steps of a touchpad add up to them.
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
  wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
  if (notches != 0) ScrollBar1->setValue(page.scrolledByWheel(notches));
  event->accept();
}

}  // namespace quorvel
