#include "colours/ColourWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "qt/Controls.h"
#include "qt/PictureImage.h"
#include "qt/QtTextPainter.h"
#include "storage/GraphFile.h"

namespace quorvel {
namespace {

// A widget that shows a picture made for it and reports the mouse.
class PictureBox : public QWidget {
 public:
  PictureBox(std::function<Picture()> picture, QWidget* parent)
      : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  std::function<void(int x, int y)> onMove, onPress;
  std::function<void()> onRelease;

 protected:
  void paintEvent(QPaintEvent*) override {
    const Picture picture = picture_();
    QPainter(this).drawImage(0, 0, imageOf(picture));
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (onMove)
      onMove(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (onPress)
      onPress(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  }
  void mouseReleaseEvent(QMouseEvent*) override {
    if (onRelease) onRelease();
  }

 private:
  std::function<Picture()> picture_;
};

QFont arialPixels(int pixels, bool bold) {
  return programFont(Font{"arial", pixels, bold, false});
}

}  // namespace

TkleurenForm::TkleurenForm(TextPainter& text, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      text_(text),
      mainWindow_(mainWindow) {
  setFixedSize(544, 401);
  setModal(false);
  setFont(arialPixels(23, true));
  setMouseTracking(true);

  auto* selector = new PictureBox([this] { return choice.renderSelector(text_); }, this);
  selector->setGeometry(165, 68, ColourChoice::kSelectorWidth, 30);
  selector->setMouseTracking(true);
  selector->onMove = [this](int x, int) {
    choice.selectorMove(x);
    showChoice();
  };
  selector->onPress = [this](int x, int) {
    choice.selectorDown(x);
    showChoice();
  };
  FselectBox = selector;

  const QColor face = palette().window().color();
  for (int i = 0; i < 3; ++i) {
    auto* bar = new PictureBox(
        [this, i, face] { return choice.renderBar(i, rgb(face.red(), face.green(), face.blue())); },
        this);
    bar->setGeometry(160, 144 + 60 * i, ColourChoice::kBarWidth, ColourChoice::kBarHeight);
    bar->onPress = [this, i](int x, int) { choice.barDown(i, x); };
    bar->onMove = [this, i](int x, int y) {
      choice.barMove(i, x, y);
      showChoice();
    };
    bar->onRelease = [this, i] { choice.barUp(i); };
    bars[i] = bar;
  }
  Gbox = new PictureBox([this] { return choice.renderPreview(text_, Edit1->text().toStdString()); },
                        this);
  Gbox->setGeometry(368, 160, ColourChoice::kPreviewSize, ColourChoice::kPreviewSize);

  auto button = [this](const char* label, const char* colour, int y) {
    QPushButton* b = colouredButton(label, colour, this);
    b->setFont(arialPixels(15, true));
    b->setGeometry(448, y, 89, 25);
    return b;
  };
  toepBtn = button(QT_TRANSLATE_NOOP("quorvel", "toepassen"), "blue", 8);
  orgKleurBtn = button(QT_TRANSLATE_NOOP("quorvel", "origineel"), "fuchsia", 40);
  herstelBtn = button("reset", "green", 72);
  annBtn = button("cancel", "red", 104);
  StaticText1 = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "persoonlijke tekst"));
  StaticText1->setFont(arialPixels(15, false));
  StaticText1->setGeometry(16, 336, 160, 17);
  Edit1 = new QLineEdit(this);
  Edit1->setFont(arialPixels(18, false));
  Edit1->setGeometry(16, 364, 521, 29);
  Edit1->setMaxLength(static_cast<int>(kMaxTitle));

  connect(toepBtn, &QPushButton::clicked, this, [this] {
    const SlotColours colours = choice.editColours;
    const std::string personal = Edit1->text().toStdString();
    hide();
    if (applied) applied(colours, personal);
  });
  connect(orgKleurBtn, &QPushButton::clicked, this, [this] {
    choice.original();
    showChoice();
  });
  connect(herstelBtn, &QPushButton::clicked, this, [this] {
    choice.reset(inUse_);
    showChoice();
  });
  connect(annBtn, &QPushButton::clicked, this, [this] { hide(); });
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Gbox->update(); });
}

void TkleurenForm::showColours(const SlotColours& inUse, int selectedSlot,
                               const std::string& personalText) {
  inUse_ = inUse;
  choice.open(inUse, selectedSlot);
  Edit1->setText(QString::fromStdString(personalText));
  move(mainWindow_->screen()->availableGeometry().center() - rect().center());
  mainWindow_->setEnabled(false);
  setEnabled(true);
  show();
  activateWindow();
  showChoice();
}

void TkleurenForm::showChoice() {
  FselectBox->update();
  for (QWidget* bar : bars)
    bar->update();
  Gbox->update();
}

void TkleurenForm::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    painter.setFont(font());
    const QString title = shownText(QT_TRANSLATE_NOOP("quorvel", "grafiek kleuren"));
    const int ascent = painter.fontMetrics().ascent();
    const std::pair<QColor, QPoint> shades[] = {{QColor::fromRgb(fromBgr(0xD00000)), {184, 16}},
                                                {QColor::fromRgb(fromBgr(0x00E000)), {182, 18}},
                                                {QColor::fromRgb(fromBgr(0x0000FF)), {180, 20}}};
    for (const auto& [colour, at] : shades) {
      painter.setPen(colour);
      painter.drawText(at.x(), at.y() + ascent, title);
    }
  }
  paintRaisedFrame(this);
}

void TkleurenForm::mouseMoveEvent(QMouseEvent*) {
  if (!choice.hoverShown) return;
  choice.backgroundMove();
  FselectBox->update();
}

void TkleurenForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();  // as "cancel"
    return;
  }
  QDialog::keyPressEvent(event);
}

void TkleurenForm::hideEvent(QHideEvent* event) {
  mainWindow_->setEnabled(true);
  QDialog::hideEvent(event);
}

}  // namespace quorvel
