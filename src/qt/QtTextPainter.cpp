#include "qt/QtTextPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace quorvel {
namespace {

QString familyOf(std::string_view name) {
  if (name == "courier new") return QStringLiteral("Liberation Mono");
  if (name == "arial") return QStringLiteral("Liberation Sans");
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont programFont(const Font& font) {
  QFont qfont(familyOf(font.name));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setStyleStrategy(QFont::NoAntialias);
  // A font's height here is the height of its text line (ascent plus descent), so the em
  // is chosen a little smaller than the height.
  int pixelSize = std::max(1, font.height);
  qfont.setPixelSize(pixelSize);
  while (pixelSize > 1 && QFontMetrics(qfont).height() > font.height) {
    qfont.setPixelSize(--pixelSize);
  }
  return qfont;
}

const QFont& QtTextPainter::qtFont(const Font& font) {
  const auto key = std::make_tuple(std::string(font.name), font.height, font.bold, font.italic);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  return fonts_.emplace(key, programFont(font)).first->second;
}

void QtTextPainter::textOut(Picture& picture, int x, int y, std::string_view text, const Font& font,
                            Colour colour) {
  QImage image(reinterpret_cast<uchar*>(picture.data()), picture.width(), picture.height(),
               picture.width() * 4, QImage::Format_RGB32);
  QPainter painter(&image);
  const QFont& qfont = qtFont(font);
  painter.setFont(qfont);
  painter.setPen(QColor::fromRgb(colour));
  painter.drawText(x, y + QFontMetrics(qfont).ascent(), toQString(text));
}

int QtTextPainter::textWidth(std::string_view text, const Font& font) {
  return QFontMetrics(qtFont(font)).horizontalAdvance(toQString(text));
}

int QtTextPainter::textHeight(std::string_view, const Font& font) {
  return QFontMetrics(qtFont(font)).height();
}

}  // namespace quorvel
