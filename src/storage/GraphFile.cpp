#include "storage/GraphFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "common/Language.h"
#include "common/Utf8.h"
#include "storage/Cp1252.h"

namespace quorvel {

std::string readErrorText(ReadFault fault) {
  switch (fault) {
    case ReadFault::Missing:
      return translated(kReadError) + " (" +
             translated(QT_TRANSLATE_NOOP("quorvel", "bestand bestaat niet")) + ")";
    case ReadFault::NoAccess:
      return translated(kReadError) + " (" +
             translated(QT_TRANSLATE_NOOP("quorvel", "geen toegang")) + ")";
    case ReadFault::Folder:
      return translated(kReadError) + " (" +
             translated(QT_TRANSLATE_NOOP("quorvel", "is een map")) + ")";
    case ReadFault::NotPlain:
      return translated(kReadError) + " (" +
             translated(QT_TRANSLATE_NOOP("quorvel", "geen gewoon bestand")) + ")";
    case ReadFault::None:
    case ReadFault::Failed:
      break;
  }
  return translated(kReadError);
}
namespace {

constexpr uint8_t kSignature[] = {4, 'q', 'v', 'l', 'f'};
constexpr int kMaxZoom = 15;       // the scale's highest zoom level
constexpr int kMaxStepIndex = 17;  // the constants' largest step

class Writer {
 public:
  std::vector<uint8_t> bytes;
  void byte(uint8_t v) { bytes.push_back(v); }
  void word(uint16_t v) {
    byte(static_cast<uint8_t>(v));
    byte(static_cast<uint8_t>(v >> 8));
  }
  void dword(uint32_t v) {
    word(static_cast<uint16_t>(v));
    word(static_cast<uint16_t>(v >> 16));
  }
  void real(double v) {
    const auto bits = std::bit_cast<uint64_t>(v);
    dword(static_cast<uint32_t>(bits));
    dword(static_cast<uint32_t>(bits >> 32));
  }
  bool failed = false;  // a text did not fit its length byte
  void string(const std::string& utf8) {
    const std::string text = utf8ToCp1252(utf8);
    if (text.size() > kMaxStringBytes) {
      failed = true;  // cut, it would be another text when read back
      return;
    }
    byte(static_cast<uint8_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
  }
};

// Reads from the bytes the file holds; any read beyond them fails the whole file.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool failed = false;

  uint8_t byte() {
    if (position_ >= bytes_.size()) {
      failed = true;
      return 0;
    }
    return bytes_[position_++];
  }
  uint16_t word() {
    const uint16_t low = byte();
    return static_cast<uint16_t>(low | (byte() << 8));
  }
  uint32_t dword() {
    const uint32_t low = word();
    return low | (static_cast<uint32_t>(word()) << 16);
  }
  double real() {
    const uint64_t low = dword();
    const double value = std::bit_cast<double>(low | (static_cast<uint64_t>(dword()) << 32));
    if (!std::isfinite(value)) failed = true;  // no program state holds one
    return value;
  }
  std::string string() {
    const size_t length = byte();
    if (failed || position_ + length > bytes_.size()) {
      failed = true;
      return {};
    }
    const auto* start = reinterpret_cast<const char*>(bytes_.data() + position_);
    position_ += length;
    return cp1252ToUtf8(std::string_view(start, length));
  }
  uint8_t flag() {
    const uint8_t v = byte();
    if (v > 1) failed = true;
    return v;
  }
  uint8_t upTo(uint8_t highest) {
    const uint8_t v = byte();
    if (v > highest) failed = true;
    return v;
  }
  int slot() {
    const uint8_t v = byte();
    if (v < 1 || v > kSlotCount) failed = true;
    return failed ? 1 : v;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

}  // namespace

std::pair<size_t, size_t> graphFileViewBytes() {
  // Signature, colours (tag and nine colours), settings (tag and three flags), constants
  // (tag, step index and three doubles), then the scale: tag, two levels and two doubles.
  constexpr size_t kBegin = std::size(kSignature) + (1 + 9 * 4) + (1 + 3) + (1 + 1 + 3 * 8);
  return {kBegin, kBegin + 1 + 2 + 2 * 8};
}

std::optional<std::vector<uint8_t>> writeGraphFile(const GraphFileContents& contents) {
  Writer w;
  w.bytes.assign(std::begin(kSignature), std::end(kSignature));
  w.byte(kTagColours);
  for (int slot = 1; slot <= kSlotCount; ++slot)
    w.dword(contents.colours[slot]);
  w.byte(kTagSettings);
  w.byte(contents.degreesMode);
  w.byte(contents.replaceMode);
  w.byte(contents.autoplotMode);
  w.byte(kTagConstants);
  w.byte(contents.stepIndex);
  w.real(contents.a);
  w.real(contents.b);
  w.real(contents.c);
  w.byte(kTagScale);
  w.byte(contents.zoomLevelX);
  w.byte(contents.zoomLevelY);
  w.real(contents.centreX);
  w.real(contents.centreY);
  for (int i = 1; i <= contents.pointCount; ++i) {
    w.byte(kTagPoint);
    w.byte(static_cast<uint8_t>(i));
    w.real(contents.points[i].x);
    w.real(contents.points[i].y);
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotRecord& s = contents.slotRecords[slot];
    if (!isFormulaKind(s.kind)) continue;
    w.byte(kTagFormula);
    w.byte(static_cast<uint8_t>(slot));
    w.byte(s.kind);
    w.string(s.text);
    w.real(s.begin);
    w.real(s.end);
    w.word(s.steps);
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotRecord& s = contents.slotRecords[slot];
    if (s.kind != kSlotPolynomial) continue;
    w.byte(kTagPolynomial);
    w.byte(static_cast<uint8_t>(slot));
    for (double c : s.polynomial.coef)
      w.real(c);
    for (uint8_t k : s.polynomial.kind)
      w.byte(k);
    w.byte(s.polynomial.degree);
  }
  if (contents.title && !contents.title->empty()) {
    w.byte(kTagTitle);
    w.string(*contents.title);
  }
  w.byte(kTagEnd);
  if (w.failed) return std::nullopt;
  return std::move(w.bytes);
}

namespace {

// The records' contents. The reader's own faults (bytes missing, a value out of range) are in
// r.failed; a reader that returns false refuses its record outright.

void readColours(Reader& r, GraphFileContents& contents) {
  contents.hasColours = true;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    contents.colours[slot] = r.dword();
}

void readSettings(Reader& r, GraphFileContents& contents) {
  contents.hasSettings = true;
  contents.degreesMode = r.flag();
  contents.replaceMode = r.flag();
  contents.autoplotMode = r.flag();
}

void readConstants(Reader& r, GraphFileContents& contents) {
  contents.hasConstants = true;
  contents.stepIndex = r.upTo(kMaxStepIndex);
  contents.a = r.real();
  contents.b = r.real();
  contents.c = r.real();
}

void readScale(Reader& r, GraphFileContents& contents) {
  contents.hasScale = true;
  contents.zoomLevelX = r.upTo(kMaxZoom);
  contents.zoomLevelY = r.upTo(kMaxZoom);
  contents.centreX = r.real();
  contents.centreY = r.real();
}

bool readPoint(Reader& r, GraphFileContents& contents) {
  // Points come as 1, 2, 3, ...: any other index would leave a point the file never gave in
  // the list.
  const uint8_t index = r.byte();
  if (index != contents.pointCount + 1 || index > kMaxPoints) return false;
  contents.points[index].x = r.real();
  contents.points[index].y = r.real();
  contents.pointCount = index;
  return true;
}

bool readFormula(Reader& r, int record, GraphFileContents& contents) {
  SlotRecord& s = contents.slotRecords[r.slot()];
  s.kind = r.byte();
  if (!isFormulaKind(s.kind)) return false;
  s.record = record;
  s.hasFormula = true;
  s.text = r.string();
  s.begin = r.real();
  s.end = r.real();
  s.steps = r.word();
  return true;
}

void readPolynomial(Reader& r, int record, GraphFileContents& contents) {
  SlotRecord& s = contents.slotRecords[r.slot()];
  s.kind = kSlotPolynomial;
  s.hasPolynomial = true;
  s.record = record;
  TPolynoom& p = s.polynomial;
  for (double& c : p.coef)
    c = r.real();
  for (uint8_t& k : p.kind)
    k = r.upTo(kConstantC);
  p.degree = r.upTo(kMaxDegree);
  // Above the degree nothing takes part; a stale mark there is cleared, not refused.
  for (int i = p.degree + 1; i < kCoefficients; ++i) {
    p.coef[i] = 0;
    p.kind[i] = kNumber;
  }
}

bool readTitle(Reader& r, int record, GraphFileContents& contents) {
  contents.title = r.string();
  if (characterCount(*contents.title) > kMaxTitle) return false;
  contents.titleRecord = record;
  return true;
}

// The record after its tag, the `record`th of the file; false when it is refused.
bool readRecord(Reader& r, uint8_t tag, int record, GraphFileContents& contents) {
  switch (tag) {
    case kTagColours:
      readColours(r, contents);
      return true;
    case kTagSettings:
      readSettings(r, contents);
      return true;
    case kTagConstants:
      readConstants(r, contents);
      return true;
    case kTagScale:
      readScale(r, contents);
      return true;
    case kTagPoint:
      return readPoint(r, contents);
    case kTagFormula:
      return readFormula(r, record, contents);
    case kTagPolynomial:
      readPolynomial(r, record, contents);
      return true;
    case kTagTitle:
      return readTitle(r, record, contents);
    default:
      return true;  // an unknown tag is skipped, one byte
  }
}

}  // namespace

GraphFileStatus readGraphFile(std::span<const uint8_t> bytes, GraphFileContents& contents) {
  contents = GraphFileContents{};
  bytes = bytes.first(std::min(bytes.size(), kImageSize));
  // The signature, as the image would show it: bytes behind a short file read as zeros.
  for (size_t i = 0; i < std::size(kSignature); ++i) {
    if ((i < bytes.size() ? bytes[i] : 0) != kSignature[i]) return GraphFileStatus::WrongType;
  }
  Reader r(bytes.subspan(std::size(kSignature)));
  for (int record = 1;; ++record) {
    const uint8_t tag = r.byte();
    if (r.failed) return GraphFileStatus::ReadError;
    if (tag == kTagEnd) return GraphFileStatus::Ok;
    if (!readRecord(r, tag, record, contents) || r.failed) return GraphFileStatus::ReadError;
  }
}

}  // namespace quorvel
