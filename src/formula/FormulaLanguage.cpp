#include "formula/FormulaLanguage.h"

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
      "formule te lang",
      "teveel (((",
      "fout : ",
      "teveel )))",
      "verwacht .(. na functie",
      "te veel constanten",
      "fout getal  ",
      "onbekende tekst  ",
      "..((..fout",
      "constante of variabele ontbreekt",
      " (..) ongelijk",
      "onbekend teken",
      "formule neit compleet",
      "is geen type1 : ",
      "teveel ddd..",
      "  : ontbreekt na d",
      "fout aantal = tekens",
      "x, y of v fout",
      "v,x,y or = ; fout",
      "formule ontbreekt : ",
      "< en > door elkaar",
      "fout aantal < > tekens",
      "r= met x of y fout",
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
