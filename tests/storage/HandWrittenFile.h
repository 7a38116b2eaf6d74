#pragma once
// Graph files put together byte by byte, as the format lays them out, without the program's
// writer: what the reader and the command line are tested on.

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::testing {

class HandWrittenFile {
 public:
  std::vector<uint8_t> bytes{4, 'q', 'v', 'l', 'f'};

  HandWrittenFile& byte(unsigned v) {
    bytes.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  HandWrittenFile& word(unsigned v) { return byte(v & 0xFF).byte(v >> 8); }
  HandWrittenFile& dword(uint32_t v) { return word(v & 0xFFFF).word(v >> 16); }
  HandWrittenFile& real(double v) {
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i)
      byte(static_cast<uint8_t>(bits >> (8 * i)));
    return *this;
  }
  HandWrittenFile& text(const std::string& cp1252) {
    byte(static_cast<unsigned>(cp1252.size()));
    bytes.insert(bytes.end(), cp1252.begin(), cp1252.end());
    return *this;
  }

  // The records the program always writes, with the start-up values.
  HandWrittenFile& startRecords() {
    const uint32_t colours[] = {0x0000FF, 0x00FF01, 0xFFB051, 0xFF00FF, 0x010101,
                                0x818181, 0x000081, 0x00B0FF, 0xFFFF01};
    byte(0);
    for (uint32_t c : colours)
      dword(c);
    byte(1).byte(0).byte(0).byte(0);
    byte(2).byte(12).real(0).real(0).real(0);
    byte(3).byte(9).byte(9).real(0).real(0);
    return *this;
  }
  HandWrittenFile& point(unsigned index, double x, double y) {
    return byte(4).byte(index).real(x).real(y);
  }
  HandWrittenFile& formula(unsigned slot, unsigned kind, const std::string& text, double begin = 0,
                           double end = 0, unsigned steps = 0) {
    return byte(5).byte(slot).byte(kind).text(text).real(begin).real(end).word(steps);
  }
  // A polynomial of numbers only.
  HandWrittenFile& polynomial(unsigned slot, std::vector<double> coef, unsigned degree) {
    byte(6).byte(slot);
    coef.resize(8);
    for (double c : coef)
      real(c);
    for (int i = 0; i < 8; ++i)
      byte(0);
    return byte(degree);
  }
  HandWrittenFile& title(const std::string& cp1252) { return byte(7).text(cp1252); }
  HandWrittenFile& end() { return byte(8); }
};

}  // namespace quorvel::testing
