#pragma once
// Random formula texts from the grammar of the formula language, sometimes mutated, and
// random bytes: for tests that must hold whatever the user types.

#include <random>
#include <string>

namespace quorvel::testing {

class FormulaGenerator {
 public:
  explicit FormulaGenerator(uint64_t seed) : random_(seed) {}

  std::string formula() {
    std::string text;
    switch (pick(8)) {
      case 0:
        text = "y=" + prefix() + expression(3, "x");
        break;
      case 1:
        text = "x=" + expression(3, "y");
        break;
      case 2:
        text = "y=" + expression(3, "v") + ";x=" + expression(3, "v");
        break;
      case 3:
        text = "x=" + expression(3, "v") + ";y=" + expression(3, "v");
        break;
      case 4: {
        // An inequality, or a chain of two in one direction.
        static const char* const kSigns[] = {"<", "<=", ">", ">="};
        const std::string sign = kSigns[pick(4)];
        text = expression(3, "xy") + sign + expression(3, "xy");
        if (pick(2) == 0) text += (sign[0] == '<' ? "<" : ">=") + expression(2, "xy");
        break;
      }
      case 5:
        text = "r=" + expression(3, "v");
        break;
      default:
        text = expression(3, "xy") + "=" + expression(3, "xy");
        break;
    }
    if (pick(3) == 0) mutate(text);
    return text;
  }

  // An implicit equation of x and y.
  std::string implicitFormula() { return expression(3, "xy") + "=" + expression(3, "xy"); }

  std::string bytes() {
    std::string text(pick(300), ' ');
    for (char& c : text)
      c = static_cast<char>(pick(256));
    return text;
  }

  int pick(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }

 private:
  std::string prefix() {
    static const char* prefixes[] = {"", "", "", "d:", "dd:", "ddd:", "i:", "dddd:", "d"};
    return prefixes[pick(9)];
  }

  std::string expression(int depth, const std::string& variables) {
    static const char* numbers[] = {"0", "1", "2", "0,5", "3,25", "10", "1000", "0,001"};
    static const char* names[] = {"a", "b", "c", "p", "e"};
    static const char* operators[] = {"+", "-", "*", "/", "^", ""};
    static const char* functions[] = {"asin", "acos", "atan", "sqrt", "sin", "cos",
                                      "tan",  "log",  "abs",  "exp",  "ln",  "int"};
    const int choice = depth <= 0 ? pick(3) : pick(8);
    switch (choice) {
      case 0:
        return numbers[pick(8)];
      case 1:
        return std::string(1, variables[pick(static_cast<int>(variables.size()))]);
      case 2:
        return names[pick(5)];
      case 3:
        return std::string(functions[pick(12)]) + "(" + expression(depth - 1, variables) + ")";
      case 4:
        return "(" + expression(depth - 1, variables) + ")";
      case 5:
        return "-" + expression(depth - 1, variables);
      default:
        return expression(depth - 1, variables) + operators[pick(6)] +
               expression(depth - 1, variables);
    }
  }

  void mutate(std::string& text) {
    static const std::string alphabet = "0123456789,.xyvabcpedi:+-*/^()=; #XY<>r";
    const int edits = 1 + pick(4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = static_cast<size_t>(pick(static_cast<int>(text.size())));
      switch (pick(4)) {
        case 0:
          text.erase(at, 1);
          break;
        case 1:
          text.insert(at, 1, alphabet[pick(static_cast<int>(alphabet.size()))]);
          break;
        case 2:
          text.insert(at, text.substr(at, pick(20)));
          break;
        default:
          text[at] = alphabet[pick(static_cast<int>(alphabet.size()))];
          break;
      }
    }
  }

  std::mt19937_64 random_;
};

}  // namespace quorvel::testing
