#pragma once

namespace velmont {

class MainDialog;

// A check of an installed copy, not a user feature: when the environment
// holds VELMONT_CONVERT_AND_QUIT=1, the window presses Go as soon as it
// runs, closes the conversion dialog when the batch has ended and then
// closes itself the ordinary way (so the output folder is stored).
bool ConvertAndQuitRequested();
void ArmConvertAndQuit(MainDialog& dialog);

// 0 when every job of the list was converted, 1 otherwise.
int ConvertAndQuitExitCode(const MainDialog& dialog);

} // namespace velmont
