#include "shell/HeldControls.h"

namespace quorvel {

void HeldControls::constantFieldDown(int field, bool leftButton) {
  repeatAction_ = 2 * field + (leftButton ? 1 : 0);
  ws_.constantsPanel.StepConstant(repeatAction_);
  ws_.klok.start(RepeatRate::kConstantStartMs);
}

void HeldControls::constantFieldUp(int field) {
  ws_.klok.stop();
  if (field != 0 && ws_.settings.autoplotMode) ws_.graph.RefineAfterRelease();
}

void HeldControls::degreeDown(bool leftButton) {
  repeatAction_ = leftButton ? 8 : 9;
  StepPolyDegree(repeatAction_);
  ws_.klok.start(RepeatRate::kScaleStartMs);
}

void HeldControls::degreeUp() {
  ws_.klok.stop();
  if (ws_.settings.autoplotMode) ws_.graph.RefineAfterRelease();
}

void HeldControls::StepPolyDegree(int code) {
  ws_.poly.StepPolyDegree(code);
}

void HeldControls::klokTimer() {
  if (repeatAction_ >= 0 && repeatAction_ <= 7) {
    ws_.constantsPanel.StepConstant(repeatAction_);
  } else if (repeatAction_ == 8 || repeatAction_ == 9) {
    StepPolyDegree(repeatAction_);
  } else if (repeatAction_ >= kScrollUp && repeatAction_ <= kZoomInY) {
    ws_.graph.ScrollZoom(repeatAction_);
  }
}

bool HeldControls::scaleBoxMouseMove(bool horizontal, int position) {
  const int place = ScaleButtons::hitTest(horizontal, position);
  if (place == scaleButtons_.hovered) return false;
  scaleButtons_.hovered = place;
  return true;
}

void HeldControls::ScaleBoxButton(int button) {
  const int place = scaleButtons_.hovered;
  if (button == 0) {
    ws_.klok.stop();
    scaleButtons_.pressed = -1;
    ws_.graph.RefineAfterRelease();
    return;
  }
  if (place < 0) return;
  scaleButtons_.pressed = place;
  const int command = ScaleButtons::commandOf(place, button == 2);
  if (ScaleButtons::isButton(place)) {
    repeatAction_ = command;
    ws_.graph.ScrollZoom(command);
    ws_.klok.start(RepeatRate::kScaleStartMs);
  } else {
    ws_.graph.SelectAxisPosition(command);
  }
}

void HeldControls::initscaleDown() {
  ws_.graph.ResetScale();
}

void HeldControls::releaseRefines() {
  ws_.graph.RefineAfterRelease();
}

}  // namespace quorvel
