#pragma once
// Where the main window's controls stand: absolute places on a page of fixed size, in pixels.

namespace quorvel {

// The main window's page: every control at its place.
inline constexpr int kPageWidth = 1030;
inline constexpr int kPageHeight = 948;

}  // namespace quorvel
