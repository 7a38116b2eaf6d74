#pragma once
// The program's commands by name. Every menu entry that does something runs one, the command
// keys run them, and one dispatcher carries them out. The numbers are the program's own, kept
// as they always were: the menu's table and the recent files' entries store them. A number no
// command has (3, 40, 50, ...) is a free place; run, it does what Nothing does.

#include <cstdint>

namespace quorvel {

enum class Command : uint16_t {
  None = 0,                 // no command: the entry opens a list
  Nothing = 1,              // "...........": empties the message line and closes the menu
  Restart = 2,              // "herstart"
  DeleteSlot = 4,           // "verwijderen"
  ClearGraphs = 5,          // "wissen" (grafieken)
  Redraw = 6,               // "herschrijven"
  PointsTable = 7,          // "tabel" (punten)
  FitPolynomial = 8,        // "polynoom": the least-squares fit
  ClearPoints = 9,          // "wissen" (punten)
  SubstituteAbc = 10,       // "subst. abc"
  PolyPlus = 11,            // "plus"
  PolyMinus = 12,           // "min"
  PolyTimes = 13,           // "keer"
  PolyRound = 14,           // "afronden"
  PolyDerive = 15,          // "differentiëren"
  PolyIntegrate = 16,       // "integreren"
  PolyMirrorX = 17,         // "om X-as"
  PolyMirrorY = 18,         // "om Y-as"
  PolyMirrorOrigin = 19,    // "om (0,0)"
  Colours = 20,             // "kleuren"
  Roots = 21,               // "nulpunten"
  Extrema = 22,             // "extremen"
  Intersections = 23,       // "snijpunten"
  Save = 24,                // "bewaar"
  Open = 25,                // "open"
  PictureToClipboard = 26,  // "--> klembord"
  About = 27,               // "over ..."
  Help = 28,                // "help"
  PictureToFile = 29,       // "--> disk"
  ValueTable = 30,          // "tabellen"
  Area = 31,                // "oppervlakte"
  Tangent = 32,             // "raaklijn"
  FitCircle = 33,           // "cirkel"
  Status = 34,              // "status"
  Conditions = 35,          // "condities"
  FitLine = 36,             // "lijn"
  Undo = 37,                // "ongedaan maken"
  Redo = 38,                // "opnieuw"
  ExactImplicit = 39,       // "exact tekenen": implicit equations by the exact method
  SwitchLanguage = 40,      // "taal: English": the program's texts in the other language
  FitExpPlusC = 41,         // "ab^x+c"
  FitExpEPlusC = 42,        // "ae^(bx)+c"
  FitExpQuadratic = 43,     // "e^(ax^2+bx+c)"
  FitExpPower = 44,         // "ab^x"
  FitExpE = 45,             // "ae^(bx)"
  PictureToVector = 46,     // "--> svg/pdf"
  Print = 47,               // "--> printer"
  Motion = 48,              // "animatie": a, b and c in motion
  AnimationToFile = 49,     // "--> animatie": the motion as an animated GIF
  Trace = 50,               // "volgen": the keys move a point along the selected graph
  FirstRecentFile = 51,     // "recent >>": the files from here on, newest first
  Close = 99,               // "sluiten"
};

// "algemeen" > "recent >>" runs one command per recent file: kFirstRecentCommand for the
// newest, the next number for the one before, and so on.
inline constexpr Command kFirstRecentCommand = Command::FirstRecentFile;
constexpr Command recentFileCommand(int index) {
  return static_cast<Command>(static_cast<int>(kFirstRecentCommand) + index);
}
// The recent file a command opens: its index when it is one of the `count` commands from
// kFirstRecentCommand on, otherwise -1.
constexpr int recentFileIndex(Command command, int count) {
  const int index = static_cast<int>(command) - static_cast<int>(kFirstRecentCommand);
  return index >= 0 && index < count ? index : -1;
}

}  // namespace quorvel
