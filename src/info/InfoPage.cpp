#include "info/InfoPage.h"

#include <algorithm>
#include <cmath>

#include "common/Language.h"

namespace quorvel {
namespace {

constexpr Colour grey(int level) {
  return rgb(level, level, level);
}

// The three pages, each line short enough for the panel. Their mark-up: "`l" large, "`f"
// bold, "`n" normal, "`t" tab, "`v" the version, "/" a new line (so a web address is written
// without "https://"). They are marked for translation whole, mark-up and all.
constexpr const char* kPages[] = {
    QT_TRANSLATE_NOOP("quorvel",
                      "`l`fQuorvel`n//"
                      "Een veelzijdig programma voor/"
                      "het onderzoeken van/"
                      "`t`fgrafieken/"
                      "`t`fvergelijkingen/"
                      "`t`ffuncties/"
                      "/"
                      "Functies, parameterkrommen,/"
                      "impliciete vergelijkingen,/"
                      "polynomen, punten en meer./"
                      "/"
                      "Het Quorvel-project/"
                      "e-mail:`tinfo@quorvel.org/"
                      "web:`tquorvel.org"),

    QT_TRANSLATE_NOOP("quorvel",
                      "`l`fQuorvel`n//"
                      "`fdesktop-editie`n/"
                      "/"
                      "version`t`f`v`n/"
                      "`tdecember 2026/"
                      "/"
                      "status:`t`fvrij te gebruiken`n"),

    QT_TRANSLATE_NOOP("quorvel",
                      "`l`fcondities`n//"
                      "Het gebruik van dit programma/"
                      "is geheel voor eigen risico./"
                      "/"
                      "De makers aanvaarden geen/"
                      "aansprakelijkheid voor schade/"
                      "door verkeerd gebruik of door/"
                      "verborgen gebreken./"
                      "Vrije software: GNU GPL,/"
                      "versie 3 of later./"
                      "/"
                      "Veel plezier met Quorvel!/"
                      "Opmerkingen en suggesties zijn/"
                      "welkom via quorvel.org"),
};

constexpr const char* kCaptions[] = {QT_TRANSLATE_NOOP("quorvel", "over..."),
                                     QT_TRANSLATE_NOOP("quorvel", "status"),
                                     QT_TRANSLATE_NOOP("quorvel", "condities")};

constexpr Font kPlain{"arial", 17, false, false};  // 9 points at 120 dots per inch
constexpr int kLarge = 21;                         // 11 points

void figure(Picture& box, int row, int column, const InfoPage::Random& random) {
  const int a = random(1, 10);
  const int b = random(1, 10);
  const int c = random(1, 20);
  const int k = random(1, 26);
  box.setPen(InfoPage::figureColour(k));
  for (int v = 0; v <= 300; ++v) {
    const int x =
        static_cast<int>(std::lround(20 * std::sin(0.03 * a * v) + 12 * std::sin(0.03 * c * v))) +
        100 * column + 50;
    const int y =
        static_cast<int>(std::lround(20 * std::cos(0.03 * a * v) + 12 * std::cos(0.03 * b * v))) +
        100 * row + 50;
    if (v == 0) {
      box.moveTo(x, y);
    } else {
      box.lineTo(x, y);
    }
  }
}

}  // namespace

const char* InfoPage::caption(int page) {
  return kCaptions[std::clamp(page, 1, 3) - 1];
}

std::string InfoPage::text(int page) {
  return translated(kPages[std::clamp(page, 1, 3) - 1]);
}

Colour InfoPage::figureColour(int k) {
  static constexpr int kLevel[] = {0, 0xB0, 0xFF};
  return rgb(kLevel[k % 3], kLevel[k / 3 % 3], kLevel[k / 9 % 3]);
}

Picture InfoPage::render(int page, const Random& random, TextPainter& text,
                         std::string_view version) {
  Picture box(kSize, kSize);
  box.fillRect(0, 0, kSize, kSize, kBlack);
  for (int i = 0; i < 8; ++i) {
    const int far = kSize - 1 - i;
    box.setPen(grey(0xF0 - i * 0x14));
    box.moveTo(far, i);
    box.lineTo(i, i);
    box.lineTo(i, far);
    box.setPen(grey(0xF0 - i * 0x04));
    box.lineTo(far, far);
    box.lineTo(far, i);
  }
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 5; ++column) {
      if (row == 0 || row == 4 || column == 0 || column == 4) figure(box, row, column, random);
    }
  }
  // The raised panel over the inner cells.
  for (int i = 0; i < 8; ++i) {
    box.setPen(grey(0xF8 - i * 0x08));
    box.moveTo(399 - i, 100 + i);
    box.lineTo(100 + i, 100 + i);
    box.lineTo(100 + i, 399 - i);
    box.setPen(grey(0x98 + i * 0x08));
    box.lineTo(399 - i, 399 - i);
    box.lineTo(399 - i, 100 + i);
  }
  box.fillRect(108, 108, 392, 392, grey(0xC0));
  writeText(box, InfoPage::text(page), text, version);
  return box;
}

void InfoPage::writeText(Picture& box, std::string_view markup, TextPainter& text,
                         std::string_view version) {
  Font font = kPlain;
  int x = 110;
  int line = 1;
  bool afterBackquote = false;
  auto write = [&](std::string_view s) {
    text.textOut(box, x, 18 * line + 95, s, font, kBlack);
    x += text.textWidth(s, font);
  };
  for (size_t i = 0; i < markup.size(); ++i) {
    const char c = markup[i];
    if (afterBackquote) {
      afterBackquote = false;
      switch (c) {
        case 'f':
          font.bold = true;
          break;
        case 'l':
          font.height = kLarge;
          break;
        case 'n':
          font = kPlain;
          break;
        case 't':
          x = (x + 100) / 100 * 100;
          break;
        case 'v':
          write(version);
          break;
        default:
          break;  // no code: dropped
      }
    } else if (c == '`') {
      afterBackquote = true;
    } else if (c == '/') {
      x = 110;
      ++line;
      font = kPlain;
    } else {
      // One UTF-8 character at a time.
      size_t length = 1;
      while (i + length < markup.size() &&
             (static_cast<unsigned char>(markup[i + length]) & 0xC0) == 0x80)
        ++length;
      write(markup.substr(i, length));
      i += length - 1;
    }
  }
}

}  // namespace quorvel
