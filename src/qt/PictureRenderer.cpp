#include "qt/PictureRenderer.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "common/Picture.h"
#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

using Op = DisplayList::Op;
using Kind = DisplayList::Kind;

QColor colourOf(Colour c) {
  return QColor::fromRgb(c & 0xFFFFFF);
}

// Overlapping squares (a pixel set twice) must not cancel each other.
QPainterPath windingPath() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  return path;
}

// Squares of one picture pixel, gathered while they are of one colour: one path each, so a
// vector file holds few elements, and horizontal neighbours become one rectangle.
class PixelRuns {
 public:
  explicit PixelRuns(QPainter& painter) : painter_(painter) {}
  ~PixelRuns() { flush(); }
  void add(int x, int y, Colour colour) {
    if (colour != colour_ || empty_) {
      flush();
      colour_ = colour;
      empty_ = false;
    }
    if (runLength_ > 0 && y == runY_ && x == runX_ + runLength_) {
      ++runLength_;
      return;
    }
    closeRun();
    runX_ = x;
    runY_ = y;
    runLength_ = 1;
  }
  void flush() {
    closeRun();
    if (!path_.isEmpty()) painter_.fillPath(path_, colourOf(colour_));
    path_ = windingPath();
    empty_ = true;
  }

 private:
  void closeRun() {
    if (runLength_ > 0) path_.addRect(runX_, runY_, runLength_, 1);
    runLength_ = 0;
  }
  QPainter& painter_;
  QPainterPath path_ = windingPath();
  Colour colour_ = 0;
  bool empty_ = true;
  int runX_ = 0, runY_ = 0, runLength_ = 0;
};

// What XML 1.0 can hold of a text: tab, the line breaks and the characters from the space on,
// but lone surrogate halves, U+FFFE and U+FFFF. The rest (control characters a graph file's
// title may bring) is left out. The SVG writer escapes the markup characters of the texts it
// draws, but not those of the document's title, and neither leaves anything out.
QString xmlCharacters(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      kept += c;
      kept += text[++i];
      continue;
    }
    const char16_t u = c.unicode();
    if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u < 0xD800) ||
        (u >= 0xE000 && u <= 0xFFFD)) {
      kept += c;
    }
  }
  return kept;
}

bool joins(const Op& a, const Op& b) {
  return b.kind == Kind::Line && a.kind == Kind::Line && a.colour == b.colour && !a.dotted &&
         !b.dotted && a.x1 == b.x0 && a.y1 == b.y0;
}

void fillRect(QPainter& painter, const Op& op) {
  if (op.x1 > op.x0 && op.y1 > op.y0) {
    painter.fillRect(QRect(op.x0, op.y0, op.x1 - op.x0, op.y1 - op.y0), colourOf(op.colour));
  }
}

// Every other pixel of the line, from the phase it was drawn with.
void addDottedLine(PixelRuns& pixels, const Op& op) {
  int phase = static_cast<int>(op.index);
  Picture::linePixels(op.x0, op.y0, op.x1, op.y1, [&](int x, int y) {
    if ((phase++ & 1) == 0) pixels.add(x, y, op.colour);
  });
}

// A line along an axis: its pixels are one rectangle, from the start up to the end, the end
// left out.
void fillAxisLine(QPainter& painter, const Op& op) {
  int left = op.x0, right = op.x0 + 1, top = op.y0, bottom = op.y0 + 1;
  if (op.y0 == op.y1) {
    left = op.x1 > op.x0 ? op.x0 : op.x1 + 1;
    right = op.x1 > op.x0 ? op.x1 : op.x0 + 1;
    if (op.x0 == op.x1) right = left;  // no length, no pixel
  } else {
    top = op.y1 > op.y0 ? op.y0 : op.y1 + 1;
    bottom = op.y1 > op.y0 ? op.y1 : op.y0 + 1;
  }
  if (right > left && bottom > top) {
    painter.fillRect(QRect(left, top, right - left, bottom - top), colourOf(op.colour));
  }
}

// The segments first..last, one joined to the next: a path through the pixels' centres.
void strokeChain(QPainter& painter, const std::vector<Op>& ops, size_t first, size_t last) {
  const Op& op = ops[first];
  QPainterPath path(QPointF(op.x0 + 0.5, op.y0 + 0.5));
  for (size_t k = first; k <= last; ++k)
    path.lineTo(ops[k].x1 + 0.5, ops[k].y1 + 0.5);
  QPen pen(colourOf(op.colour), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
  painter.strokePath(path, pen);
}

// The line ops[i] with the segments joined to it; returns the index of the last one drawn.
// A dotted line, and a lone line along an axis, are their own pixels; a chain of segments (a
// curve) is a path.
size_t replayLine(QPainter& painter, PixelRuns& pixels, const std::vector<Op>& ops, size_t i) {
  const Op& op = ops[i];
  if (op.dotted) {
    addDottedLine(pixels, op);
    return i;
  }
  size_t last = i;
  while (last + 1 < ops.size() && joins(ops[last], ops[last + 1]))
    ++last;
  pixels.flush();
  if (last == i && (op.x0 == op.x1 || op.y0 == op.y1)) {
    fillAxisLine(painter, op);
  } else {
    strokeChain(painter, ops, i, last);
  }
  return last;
}

// The bitmap's pixels but those of its transparent colour.
void addBitmap(PixelRuns& pixels, const DisplayList::Bitmap& bitmap, const Op& op) {
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      const Colour c = bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x] & 0xFFFFFF;
      if (c != op.colour) pixels.add(op.x0 + x, op.y0 + y, c);
    }
  }
}

void drawText(QPainter& painter, const DisplayList& list, const Op& op, bool smooth, bool xmlText) {
  const DisplayList::TextFont& f = list.fonts[op.index];
  QFont font = programFont(Font{f.name, f.height, f.bold, f.italic});
  if (smooth) font.setStyleStrategy(QFont::PreferAntialias);
  painter.setFont(font);
  painter.setPen(colourOf(op.colour));
  const QString text = QString::fromStdString(list.texts[op.index]);
  painter.drawText(QPointF(op.x0, op.y0 + QFontMetrics(font).ascent()),
                   xmlText ? xmlCharacters(text) : text);
}

}  // namespace

void replayDrawing(const DisplayList& list, QPainter& painter, int width, int height, bool smooth,
                   bool xmlText) {
  painter.save();
  painter.setClipRect(QRect(0, 0, width, height));
  painter.setRenderHint(QPainter::Antialiasing, smooth);
  painter.setRenderHint(QPainter::TextAntialiasing, smooth);
  PixelRuns pixels(painter);
  const std::vector<Op>& ops = list.ops;
  for (size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind != Kind::Pixel && op.kind != Kind::Line) pixels.flush();
    switch (op.kind) {
      case Kind::Rect:
        fillRect(painter, op);
        break;
      case Kind::Pixel:
        pixels.add(op.x0, op.y0, op.colour);
        break;
      case Kind::Line:
        i = replayLine(painter, pixels, ops, i);
        break;
      case Kind::Bitmap:
        addBitmap(pixels, list.bitmaps[op.index], op);
        pixels.flush();
        break;
      case Kind::Text:
        drawText(painter, list, op, smooth, xmlText);
        break;
    }
  }
  pixels.flush();
  painter.restore();
}

QByteArray svgDocument(const DisplayList& list, int width, int height, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(96);  // a picture pixel is a CSS pixel: 801 wide in a browser
  svg.setTitle(xmlCharacters(title).toHtmlEscaped());  // written as it is given
  svg.setDescription("Quorvel");
  QPainter painter(&svg);
  replayDrawing(list, painter, width, height, true, true);
  painter.end();
  return bytes;
}

QByteArray pdfDocument(const DisplayList& list, int width, int height, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(72);  // a point is a picture pixel
    pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, title));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(title);
    pdf.setCreator("Quorvel");
    QPainter painter(&pdf);
    replayDrawing(list, painter, width, height, true);
  }
  return bytes;
}

std::vector<uint8_t> vectorBytes(const DisplayList& list, bool pdf, const std::string& title) {
  const QString name = title.empty() ? QStringLiteral("Quorvel") : QString::fromStdString(title);
  const QByteArray bytes = pdf ? pdfDocument(list, kPictureSize, kPictureSize, name)
                               : svgDocument(list, kPictureSize, kPictureSize, name);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void drawFitted(const DisplayList& list, QPainter& painter, int width, int height, QRectF page) {
  const double scale = std::min(page.width() / width, page.height() / height);
  painter.save();
  painter.translate(page.center() - QPointF(width * scale / 2, height * scale / 2));
  painter.scale(scale, scale);
  replayDrawing(list, painter, width, height, true);
  painter.restore();
}

}  // namespace quorvel
