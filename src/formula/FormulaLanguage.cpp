#include "formula/FormulaLanguage.h"

#include "common/Language.h"
#include "evaluation/Operations.h"

namespace quorvel {

CharClass classOf(char c) {
  if ((c >= '0' && c <= '9') || c == '.' || c == ',') return CharClass::Number;
  if (c >= 'a' && c <= 'z') return CharClass::Word;
  switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '^':
      return CharClass::Operator;
    case '(':
      return CharClass::OpenBracket;
    case ')':
      return CharClass::CloseBracket;
    case '=':
      return CharClass::Equals;
    case '<':
    case '>':
      return CharClass::Comparison;
    case ';':
      return CharClass::Separator;
    case ' ':
      return CharClass::End;
    default:
      return CharClass::Other;
  }
}

std::string_view translatorMessage(TranslatorError error) {
  // Texts as the users know them, spaces and spelling included.
  static constexpr std::array<std::string_view, 24> kMessages = {
      "",
      QT_TRANSLATE_NOOP("quorvel", "formule te lang"),
      QT_TRANSLATE_NOOP("quorvel", "teveel ((("),
      QT_TRANSLATE_NOOP("quorvel", "fout : "),
      QT_TRANSLATE_NOOP("quorvel", "teveel )))"),
      QT_TRANSLATE_NOOP("quorvel", "verwacht .(. na functie"),
      QT_TRANSLATE_NOOP("quorvel", "te veel constanten"),
      QT_TRANSLATE_NOOP("quorvel", "fout getal  "),
      QT_TRANSLATE_NOOP("quorvel", "onbekende tekst  "),
      QT_TRANSLATE_NOOP("quorvel", "..((..fout"),
      QT_TRANSLATE_NOOP("quorvel", "constante of variabele ontbreekt"),
      QT_TRANSLATE_NOOP("quorvel", " (..) ongelijk"),
      QT_TRANSLATE_NOOP("quorvel", "onbekend teken"),
      QT_TRANSLATE_NOOP("quorvel", "formule neit compleet"),
      QT_TRANSLATE_NOOP("quorvel", "is geen type1 : "),
      QT_TRANSLATE_NOOP("quorvel", "teveel ddd.."),
      QT_TRANSLATE_NOOP("quorvel", "  : ontbreekt na d"),
      QT_TRANSLATE_NOOP("quorvel", "fout aantal = tekens"),
      QT_TRANSLATE_NOOP("quorvel", "x, y of v fout"),
      QT_TRANSLATE_NOOP("quorvel", "v,x,y or = ; fout"),
      QT_TRANSLATE_NOOP("quorvel", "formule ontbreekt : "),
      QT_TRANSLATE_NOOP("quorvel", "< en > door elkaar"),
      QT_TRANSLATE_NOOP("quorvel", "fout aantal < > tekens"),
      QT_TRANSLATE_NOOP("quorvel", "r= met x of y fout"),
  };
  return kMessages[static_cast<size_t>(error)];
}

std::optional<uint8_t> functionOpcode(std::string_view word) {
  for (int code = 0; code <= kMaxOpcode; ++code) {
    const OperationInfo& operation = operationInfo(static_cast<uint8_t>(code));
    if (operation.function && operation.name == word) return static_cast<uint8_t>(code);
  }
  return std::nullopt;
}

std::optional<uint8_t> variableCode(std::string_view word) {
  if (word.size() != 1) return std::nullopt;
  for (size_t i = 0; i < kVariableLetters.size(); ++i) {
    if (kVariableLetters[i] == word[0]) return static_cast<uint8_t>(kRegX + i);
  }
  return std::nullopt;
}

}  // namespace quorvel
