#pragma once
// Text on the picture through Qt: a QImage wraps the picture's pixels without copying, and
// QPainter writes the text into them. The program's font names resolve to the metric-
// compatible Liberation fonts; text is drawn without antialiasing, so every text pixel has
// exactly the text's colour, as the grid and hatching rely on.

#include <QFont>
#include <map>
#include <tuple>

#include "common/Picture.h"

namespace quorvel {

// The Qt font for a font of the program: its line height (ascent plus descent) is the
// requested height; no antialiasing.
QFont programFont(const Font& font);

class QtTextPainter : public TextPainter {
 public:
  void textOut(Picture& picture, int x, int y, std::string_view text, const Font& font,
               Colour colour) override;
  int textWidth(std::string_view text, const Font& font) override;
  int textHeight(std::string_view text, const Font& font) override;

  // programFont, kept once made.
  const QFont& qtFont(const Font& font);

 private:
  std::map<std::tuple<std::string, int, bool, bool>, QFont> fonts_;
};

}  // namespace quorvel
