#include "evaluation/Taylor.h"

#include "evaluation/Operations.h"

namespace quorvel {

bool taylorRun(const Program& program, double x0, uint8_t result, TaylorSeries& series) {
  // Only the registers the program writes carry derivatives; the rest are constants.
  std::array<TaylorSeries, 256> registers;  // read only where varying
  std::array<bool, 256> varying{};
  registers[kRegX] = taylor::constant(x0);
  registers[kRegX][1] = 1;
  varying[kRegX] = true;
  auto read = [&](uint8_t code) {
    return varying[code] ? registers[code] : taylor::constant(program.registers[code]);
  };
  for (const Step& s : program.steps) {
    if (s.opcode == kOpEnd) break;
    if (!operationInfo(s.opcode).writes) continue;
    TaylorSeries r{};
    if (!seriesStep(s.opcode, read(s.src1), read(s.src2), program.degrees, r)) return false;
    registers[s.dest] = r;
    varying[s.dest] = true;
  }
  series = read(result);
  return true;
}

bool seriesStep(uint8_t opcode, const TaylorSeries& a, const TaylorSeries& b, bool degrees,
                TaylorSeries& r) {
  const bool ok =
      withOperation(opcode, [&](auto row) { return decltype(row)::series(a, b, degrees, r); });
  return ok && taylor::finite(r);
}

double derivativeOf(const TaylorSeries& series, int k) {
  double factorial = 1;
  for (int i = 2; i <= k; ++i)
    factorial *= i;
  return series[static_cast<size_t>(k)] * factorial;
}

bool stepSlope(uint8_t opcode, double a, double b, bool degrees, int operand, double& slope) {
  TaylorSeries u = taylor::constant(a), w = taylor::constant(b), r{};
  (operand == 1 ? u : w)[1] = 1;
  if (!seriesStep(opcode, u, w, degrees, r)) return false;
  slope = r[1];
  return true;
}

}  // namespace quorvel
