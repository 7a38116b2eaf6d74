#include "tools/GraphDescription.h"

#include <array>

#include "common/Language.h"
#include "common/NumberText.h"
#include "formula/FormulaEngine.h"
#include "plot/Graph.h"

namespace quorvel {
namespace {

std::string number(double value) {
  return shownNumber(FormatFloat(kTableNumberFormat, value));
}

// The kinds of slot by number (formula/FormulaSlots.h).
constexpr std::array<const char*, 8> kKindNames = {
    "",
    QT_TRANSLATE_NOOP("quorvel", "functie"),
    QT_TRANSLATE_NOOP("quorvel", "inverse functie"),
    QT_TRANSLATE_NOOP("quorvel", "parameterkromme"),
    QT_TRANSLATE_NOOP("quorvel", "impliciete vergelijking"),
    QT_TRANSLATE_NOOP("quorvel", "polynoom"),
    QT_TRANSLATE_NOOP("quorvel", "ongelijkheid"),
    QT_TRANSLATE_NOOP("quorvel", "poolkromme")};

struct NamedColour {
  Colour colour;
  const char* name;
};

constexpr NamedColour kColourNames[] = {
    {rgb(0, 0, 0), QT_TRANSLATE_NOOP("quorvel", "zwart")},
    {rgb(255, 255, 255), QT_TRANSLATE_NOOP("quorvel", "wit")},
    {rgb(128, 128, 128), QT_TRANSLATE_NOOP("quorvel", "grijs")},
    {rgb(255, 0, 0), QT_TRANSLATE_NOOP("quorvel", "rood")},
    {rgb(128, 0, 0), QT_TRANSLATE_NOOP("quorvel", "donkerrood")},
    {rgb(0, 255, 0), QT_TRANSLATE_NOOP("quorvel", "groen")},
    {rgb(0, 128, 0), QT_TRANSLATE_NOOP("quorvel", "donkergroen")},
    {rgb(0, 0, 255), QT_TRANSLATE_NOOP("quorvel", "blauw")},
    {rgb(0, 0, 128), QT_TRANSLATE_NOOP("quorvel", "donkerblauw")},
    {rgb(80, 176, 255), QT_TRANSLATE_NOOP("quorvel", "lichtblauw")},
    {rgb(255, 255, 0), QT_TRANSLATE_NOOP("quorvel", "geel")},
    {rgb(255, 176, 0), QT_TRANSLATE_NOOP("quorvel", "oranje")},
    {rgb(0, 255, 255), QT_TRANSLATE_NOOP("quorvel", "cyaan")},
    {rgb(255, 0, 255), QT_TRANSLATE_NOOP("quorvel", "magenta")},
    {rgb(128, 0, 128), QT_TRANSLATE_NOOP("quorvel", "paars")},
    {rgb(255, 176, 208), QT_TRANSLATE_NOOP("quorvel", "roze")},
    {rgb(144, 80, 0), QT_TRANSLATE_NOOP("quorvel", "bruin")},
};

}  // namespace

GraphDescription::GraphDescription(FormulaEngine& formulas, PolyInput& poly,
                                   const Constants& constants, Graph& graph)
    : formulas_(formulas), graph_(graph), search_(formulas, poly, constants, graph) {
  search_.workBudget = kSearchBudget;
}

const char* GraphDescription::colourName(Colour colour) {
  const NamedColour* nearest = &kColourNames[0];
  long nearestDistance = -1;
  for (const NamedColour& named : kColourNames) {
    const long r = redOf(colour) - redOf(named.colour);
    const long g = greenOf(colour) - greenOf(named.colour);
    const long b = blueOf(colour) - blueOf(named.colour);
    const long distance = r * r + g * g + b * b;
    if (nearestDistance < 0 || distance < nearestDistance) {
      nearest = &named;
      nearestDistance = distance;
    }
  }
  return nearest->name;
}

std::string GraphDescription::describe(const SlotColours& colours) {
  const ScaleState& scale = graph_.scale;
  std::string text =
      translated(QT_TRANSLATE_NOOP("quorvel", "x van %1 tot %2"), number(scale.columnWorldX[0]),
                 number(scale.columnWorldX[kLastPixel])) +
      ", " +
      translated(QT_TRANSLATE_NOOP("quorvel", "y van %1 tot %2"),
                 number(scale.rowWorldY[kLastPixel]), number(scale.rowWorldY[0]));
  bool any = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (formulas_.slotKind[slot] == kSlotEmpty) continue;
    text += "\n" + slotLine(slot, colours[slot]);
    any = true;
  }
  if (!any) text += "\n" + translated(QT_TRANSLATE_NOOP("quorvel", "geen grafieken"));
  return text;
}

// "vak 1, rood: functie y=x^2-1; 2 nulpunten: x = -1,0; x = 1,0; 1 extreem: minimum x = 0,0,
// y = -1,0".
std::string GraphDescription::slotLine(int slot, Colour colour) {
  const uint8_t kind = formulas_.slotKind[slot];
  std::string line = translated(QT_TRANSLATE_NOOP("quorvel", "vak %1, %2: "), std::to_string(slot),
                                translated(colourName(colour)));
  line += translated(kKindNames.at(kind));
  if (kind != kSlotPolynomial) line += " " + formulas_.formulas[slot].text;
  if (search_.whyNot(slot)) return line;  // not a function of x: nothing is looked for
  line += "; " + found(slot, &Analysis::findRoots);
  line += "; " + found(slot, &Analysis::findExtrema);
  return line;
}

// The search's count as the message line says it, and the first results named.
std::string GraphDescription::found(int slot, std::string (Analysis::*find)(int)) {
  std::string text = (search_.*find)(slot);
  const std::vector<TableRow> rows = search_.rows(0);
  for (size_t i = 0; i < rows.size() && i < kNamedResults; ++i) {
    const TableRow& row = rows[i];
    text += i == 0 ? ": " : "; ";
    if (search_.results[i].kind == Analysis::Kind::Root) {
      text += "x = " + row[1];  // "2 nulpunten: x = -1,0; x = 1,0"
    } else {
      text += row[0] + " x = " + row[1] + ", y = " + row[2];
    }
  }
  if (rows.size() > kNamedResults) {
    text += translated(QT_TRANSLATE_NOOP("quorvel", "; en %1 meer"),
                       std::to_string(search_.results.size() - kNamedResults));
  }
  return text;
}

}  // namespace quorvel
