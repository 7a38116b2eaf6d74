#include "info/InfoWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "qt/Controls.h"
#include "qt/PictureImage.h"

namespace quorvel {
namespace {

class InfoBox : public QWidget {
 public:
  InfoBox(TinfoForm& form, TextPainter& text) : QWidget(&form), form_(form), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const Picture box = InfoPage::render(form_.infoPage, form_.random, text_, QUORVEL_VERSION);
    QPainter(this).drawImage(0, 0, imageOf(box));
  }

 private:
  TinfoForm& form_;
  TextPainter& text_;
};

}  // namespace

TinfoForm::TinfoForm(TextPainter& text, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      text_(text),
      mainWindow_(mainWindow) {
  setFixedSize(517, 567);
  setModal(false);
  random = [this](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(generator_);
  };
  infoBox = new InfoBox(*this, text_);
  infoBox->setGeometry(8, 8, InfoPage::kSize, InfoPage::kSize);
}

void TinfoForm::showPage(int page) {
  infoPage = page;
  showTitle(this, InfoPage::caption(page));
  move(mainWindow_->screen()->availableGeometry().center() - rect().center());
  mainWindow_->setEnabled(false);
  setEnabled(true);
  show();
  activateWindow();
  infoBox->update();
}

void TinfoForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TinfoForm::hideEvent(QHideEvent* event) {
  mainWindow_->setEnabled(true);
  QDialog::hideEvent(event);
}

}  // namespace quorvel
