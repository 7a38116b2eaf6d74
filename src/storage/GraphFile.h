#pragma once
// The graph file (.qvl): a 5-byte signature (length 4 and "qvlf") and tagged little-endian
// records, closed by an end tag. The writer emits every record a state has, in a fixed order;
// the reader takes records in any order and number, a later one overriding an earlier, skips
// unknown tags, and checks everything before anything is used: values no program-written file
// can hold make the file unreadable rather than a state of the program.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/Language.h"
#include "common/SafeFile.h"
#include "fitting/LeastSquares.h"
#include "fitting/Polynomial.h"
#include "formula/FormulaSlots.h"

namespace quorvel {

// Texts of the message line.
inline constexpr const char* kGraphsSaved = QT_TRANSLATE_NOOP("quorvel", "grafieken opgeslagen");
inline constexpr const char* kGraphsLoaded = QT_TRANSLATE_NOOP("quorvel", "grafieken geladen");
inline constexpr const char* kWrongFileType = QT_TRANSLATE_NOOP("quorvel", "fout type bestand");
inline constexpr const char* kReadError = QT_TRANSLATE_NOOP("quorvel", "leesfout");
// "leesfout" with the reason a file could not be read, where there is one the user can act
// on: "leesfout (bestand bestaat niet)", "(geen toegang)", "(is een map)", "(geen gewoon
// bestand)".
std::string readErrorText(ReadFault fault);

// A file is read into an image of this size; what lies beyond it is not read.
inline constexpr size_t kImageSize = 5000;

enum GraphFileTag : uint8_t {
  kTagColours = 0,
  kTagSettings = 1,
  kTagConstants = 2,
  kTagScale = 3,
  kTagPoint = 4,
  kTagFormula = 5,
  kTagPolynomial = 6,
  kTagTitle = 7,
  kTagEnd = 8,
};

// What a slot record of the file says. `kind` is that of the slot's last record: 1..4 a
// formula, 5 a polynomial, 0 when the file does not mention the slot.
struct SlotRecord {
  uint8_t kind = kSlotEmpty;
  bool hasFormula = false;  // a formula record was read (its text may stay behind a polynomial)
  std::string text;         // UTF-8
  double begin = 0;
  double end = 0;
  uint16_t steps = 0;
  bool hasPolynomial = false;
  TPolynoom polynomial;
  int record = 0;  // where the slot's last record stands in the file (1, 2, ...), 0: none
};

// Everything a graph file holds. A record the file lacks leaves its `has` flag false.
struct GraphFileContents {
  bool hasColours = false;
  std::array<uint32_t, kSlotCount + 1> colours{};  // 1..9, Windows values 0x00BBGGRR
  bool hasSettings = false;
  bool degreesMode = false;
  bool replaceMode = false;
  bool autoplotMode = false;
  bool hasConstants = false;
  uint8_t stepIndex = 0;
  double a = 0, b = 0, c = 0;
  bool hasScale = false;
  uint8_t zoomLevelX = 0, zoomLevelY = 0;
  double centreX = 0, centreY = 0;  // the world coordinates at the origin pixel
  int pointCount = 0;
  std::array<TPoint, kMaxPoints + 1> points{};           // 1..pointCount
  std::array<SlotRecord, kSlotCount + 1> slotRecords{};  // 1..9
  std::optional<std::string> title;                      // UTF-8, at most kMaxTitle characters
  int titleRecord = 0;                                   // where the title's record stands
};

// A text is at most this many bytes in the code page (one length byte).
inline constexpr size_t kMaxStringBytes = 255;
// The personal text the colour window takes, in characters; a longer title is no file of the
// program's.
inline constexpr size_t kMaxTitle = 50;

// The bytes of the file; nothing when a text is longer than the file can hold, since a file
// that does not give back what was saved is no saved file.
std::optional<std::vector<uint8_t>> writeGraphFile(const GraphFileContents& contents);

// Where the scale's record (the view: zoom levels and centre) lies in every file the writer
// makes, as [begin, end): it always comes fourth, after records of fixed size.
std::pair<size_t, size_t> graphFileViewBytes();

enum class GraphFileStatus { Ok, WrongType, ReadError };
// Reads the first kImageSize bytes of a file. On failure `contents` is unspecified.
GraphFileStatus readGraphFile(std::span<const uint8_t> bytes, GraphFileContents& contents);

}  // namespace quorvel
