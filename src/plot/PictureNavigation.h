#pragma once
// The picture moved by hand: the wheel zooms at the cursor, one level a notch (a touchpad's
// small steps add up to notches), and a press that moves farther than the drag distance drags
// the picture with the mouse; a press released before that is the click it always was. While
// the wheel turns or the drag moves, implicit slots are drawn coarsely, as while a scroll
// button is held; when the wheel rests or the drag ends, one precise redraw.

namespace quorvel {

class Graph;

class PictureNavigation {
 public:
  static constexpr int kNotch = 120;  // the wheel's angle of a notch, in eighths of a degree
  static constexpr int kRestMilliseconds = 300;

  explicit PictureNavigation(Graph& graph) : graph_(graph) {}

  // The wheel turned by `angle` (eighths of a degree, positive away from the user: in) over
  // pixel (column, row); Shift zooms x alone, Ctrl y alone. True when the picture changed: the
  // window then waits for the rest.
  bool wheel(int column, int row, int angle, bool xOnly, bool yOnly);
  // The wheel rested: the precise redraw.
  void rest();

  // A press that may become a drag (the left or the middle button), `dragDistance` pixels the
  // platform's threshold; `shift` is kept for the click it may be.
  void press(int column, int row, bool shift, int dragDistance);
  // The mouse moved with the button down: true when the picture moved.
  bool move(int column, int row);
  // The button went up: true when it was a click (it never dragged), false after a drag, which
  // ends in the precise redraw.
  bool release();
  bool pressed() const { return pressed_; }
  bool dragging() const { return dragging_; }
  int pressColumn() const { return pressColumn_; }
  int pressRow() const { return pressRow_; }
  bool pressShift() const { return pressShift_; }

 private:
  Graph& graph_;
  int angle_ = 0;  // turned, not yet a whole notch
  bool pressed_ = false;
  bool dragging_ = false;
  int pressColumn_ = 0;
  int pressRow_ = 0;
  bool pressShift_ = false;
  int dragDistance_ = 0;
  double startX_ = 0;  // the centre when the button went down
  double startY_ = 0;
};

}  // namespace quorvel
