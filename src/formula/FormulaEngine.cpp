#include "formula/FormulaEngine.h"

#include <numbers>

#include "formula/BatchLanes.h"
#include "formula/Translation.h"

namespace quorvel {

FormulaEngine::FormulaEngine(const Settings& settings)
    : settings_(settings),
      t_(std::make_unique<Translation>()),
      lanes_(std::make_unique<BatchLanes>()) {
  registers[kRegPi] = std::numbers::pi;
  registers[kRegE] = std::numbers::e;
}

FormulaEngine::~FormulaEngine() = default;

const std::string& FormulaEngine::workingText() const {
  return t_->text;
}

std::span<const PostfixEntry> FormulaEngine::postfixEntries() const {
  return {t_->postfixtable.data() + 1, static_cast<size_t>(t_->entryCount)};
}

}  // namespace quorvel
