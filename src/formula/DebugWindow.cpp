#include "formula/DebugWindow.h"

#include <QPainter>

#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

QString text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Writes with the top of the text at y, as the program's texts are placed.
void write(QPainter& painter, int x, int y, std::string_view s) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text(s));
}

class HeaderBox : public QWidget {
 public:
  HeaderBox(const DebugRows& rows, QWidget* parent) : QWidget(parent), rows_(rows) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(font());
    write(painter, 1, 1, rows_.workingText);
    write(painter, 1, 30, "postfixtable");
    write(painter, 1, 50, "reg");
    write(painter, 50, 50, "oper");
    write(painter, 90, 50, "prior");
    write(painter, 180, 30, "directors");
    write(painter, 180, 50, "opcode");
    write(painter, 250, 50, "dest");
    write(painter, 300, 50, "src1");
    write(painter, 350, 50, "src2");
    write(painter, 450, 30, "constants");
    write(painter, 450, 50, "reg");
    write(painter, 500, 50, "value");
  }

 private:
  const DebugRows& rows_;
};

class InfoBox : public QWidget {
 public:
  InfoBox(const DebugRows& rows, QWidget* parent) : QWidget(parent), rows_(rows) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(font());
    // Each kind of row in its own columns, 20 pixels apart.
    for (size_t i = 0; i < rows_.postfix.size(); ++i) {
      const int y = 20 * static_cast<int>(i);
      write(painter, 1, y, rows_.postfix[i][0]);
      write(painter, 50, y, rows_.postfix[i][1]);
      write(painter, 90, y, rows_.postfix[i][2]);
    }
    for (size_t i = 0; i < rows_.steps.size(); ++i) {
      const int y = 20 * static_cast<int>(i);
      static constexpr int kColumns[] = {180, 250, 300, 350};
      for (int c = 0; c < 4; ++c)
        write(painter, kColumns[c], y, rows_.steps[i][c]);
    }
    for (size_t i = 0; i < rows_.constants.size(); ++i) {
      const int y = 20 * static_cast<int>(i);
      write(painter, 450, y, rows_.constants[i][0]);
      write(painter, 500, y, rows_.constants[i][1]);
    }
  }

 private:
  const DebugRows& rows_;
};

}  // namespace

TdebugForm::TdebugForm(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
  setWindowTitle("debugForm");
  setFixedSize(628, 560);
  setFont(programFont(Font{"arial", 17, true, false}));
  headerbox = new HeaderBox(rows, this);
  headerbox->setGeometry(5, 5, 617, 70);
  infobox = new InfoBox(rows, this);
  infobox->setGeometry(5, 85, 617, 465);
}

void TdebugForm::translationScanned(std::string_view workingText) {
  rows.translationScanned(workingText);
  show();
  raise();
  update();
}

void TdebugForm::postfixRow(uint8_t reg, uint8_t oper, uint8_t prior) {
  rows.postfixRow(reg, oper, prior);
  infobox->update();
}

void TdebugForm::constantRow(uint8_t code, double value) {
  rows.constantRow(code, value);
  infobox->update();
}

void TdebugForm::stepRow(uint8_t opcode, uint8_t dest, uint8_t src1, uint8_t src2) {
  rows.stepRow(opcode, dest, src1, src2);
  infobox->update();
}

}  // namespace quorvel
