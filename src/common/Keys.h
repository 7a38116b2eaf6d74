#pragma once
// Key codes of the program's key handling: the virtual-key numbers the program has always
// used. The windows translate their toolkit's keys into these.

namespace quorvel::keys {

constexpr int kNone = 0;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kEscape = 27;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int kF1 = 112;
constexpr int kF10 = 121;
constexpr int kFullStop = 190;
// Any key the program has no code of its own for ("=", "+", space, Page Up, ...). It is not
// kNone, which the menu and the Alt commands take as their start.
constexpr int kOther = 255;
// Letters and digits are their capital ASCII codes: 'A'..'Z', '0'..'9'.

}  // namespace quorvel::keys
