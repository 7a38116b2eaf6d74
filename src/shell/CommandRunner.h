#pragma once
// Every command of the menu and the command keys, run through one dispatcher, grouped as the
// menu groups them: "algemeen" (the document, the picture, ending), "form / poly", "grafieken",
// "punten" and "info" with "help". A number without a command (a free place in the menu's
// scheme) does nothing but empty the message line and close the menu, as every command does.

#include <optional>
#include <string>
#include <string_view>

#include "fitting/CurveFits.h"
#include "menu/Command.h"
#include "menu/Menu.h"
#include "shell/DocumentKeeper.h"
#include "shell/InputFocus.h"
#include "shell/PlotButtons.h"
#include "shell/ShellActions.h"
#include "shell/Workspace.h"

namespace quorvel {

class CommandRunner {
 public:
  CommandRunner(Workspace& workspace, Menu& menu, InputFocus& inputs, PlotButtons& buttons,
                DocumentKeeper& document, ShellActions* const& shell)
      : ws_(workspace),
        menu_(menu),
        inputs_(inputs),
        buttons_(buttons),
        document_(document),
        shell_(shell) {}

  void executeCommand(Command command);
  // Whether a command that switches a setting on and off has it on (its menu entry checked).
  bool isOn(Command command) const;

  // "--> disk" writes PNG when the name ends in .png, BMP when it ends in .bmp, and otherwise
  // what the dialog's filter says.
  static bool savesAsPng(const ShellActions::PictureFile& file);
  // "raaklijn": the tangent at the typed x into the first empty slot after the selected one,
  // which is then selected; the fault for the dialog (which stays open) when there is none.
  std::optional<std::string> plotTangent(std::string_view typedX);
  // The colour window's "toepassen": new slot colours and personal text, everything redrawn.
  void applyColours(const SlotColours& colours, const std::string& personalText);

 private:
  // Each group runs the commands of its part of the menu and leaves the others alone.
  void runGeneral(Command command);
  void runPicture(Command command);
  void runFormulas(Command command);
  void runGraphs(Command command);
  void runPoints(Command command);
  void runInfo(Command command);

  void restartAll();
  void open();
  void substituteSelected();
  void savePicture();
  void saveVectorPicture();
  void saveAnimation();
  void showFit(const FitOutcome& fit);
  void showValueTable();
  void analyse(Command command);
  void askTangent();
  void toggleTracing();

  Workspace& ws_;
  Menu& menu_;
  InputFocus& inputs_;
  PlotButtons& buttons_;
  DocumentKeeper& document_;
  ShellActions* const& shell_;
};

}  // namespace quorvel
