#pragma once
// Where the main window's controls stand: absolute places on a page of fixed size, in pixels,
// as the program has always had them. The page is never scaled (common/ScreenFit.h).

#include <QPoint>
#include <QRect>

namespace quorvel::geometry {

// The page: every control at its place; the window opens at kWindowStart on a large screen.
inline constexpr int kPageWidth = 1030;
inline constexpr int kPageHeight = 948;
inline constexpr QPoint kWindowStart{100, 5};

// The graph with its scale bars and the button that resets the scale ("X").
inline constexpr QRect kGraph{20, 45, 801, 801};
inline constexpr QRect kVerticalScaleBar{828, 40, 20, 812};
inline constexpr QRect kHorizontalScaleBar{15, 853, 810, 20};
inline constexpr QRect kInitScaleButton{827, 854, 20, 20};

// The edit box, the arrow of the selected input, its buttons and the message line.
inline constexpr QRect kEditBox{16, 880, 833, 30};
inline constexpr QRect kInputArrow{864, 883, 25, 25};
inline constexpr QRect kClearButton{896, 883, 25, 25};
inline constexpr QRect kLoadButton{928, 883, 41, 25};
inline constexpr QRect kPlotButton{976, 883, 41, 25};
inline constexpr QRect kMessageLine{16, 915, 1001, 24};

// The right-hand column: logo, settings boxes, constants, colour box, polynomial.
inline constexpr QRect kLogo{856, 8, 120, 28};
inline constexpr QRect kAngleBox{856, 45, 150, 20};
inline constexpr QRect kAddModeBox{856, 69, 152, 20};
inline constexpr QRect kAutoplotBox{856, 93, 153, 20};

inline constexpr QRect kConstantsGroup{856, 134, 153, 147};
// In the group: row k (the step, a, b, c) has its name and its field; the reset button below.
inline constexpr QRect kConstantName{8, 22, 24, 22};
inline constexpr QRect kConstantField{34, 22, 110, 22};
inline constexpr int kConstantRowStep = 26;
inline constexpr QRect kClearConstantsButton{8, 122, 22, 20};

inline constexpr QPoint kColoursLabel{856, 296};
inline constexpr QRect kColorBox{856, 321, 90, 90};

inline constexpr QRect kPolynomialGroup{856, 555, 153, 294};
// In the group: the degree, its label and the coefficient grid.
inline constexpr QRect kDegreeField{8, 24, 40, 22};
inline constexpr QRect kDegreeLabel{56, 24, 60, 22};
inline constexpr QRect kPolyGrid{8, 56, 145, 233};
inline constexpr int kPolyGridPowerWidth = 23;
inline constexpr int kPolyGridCoefficientWidth = 115;
inline constexpr int kPolyGridRowHeight = 25;

}  // namespace quorvel::geometry
