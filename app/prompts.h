// The prompts of the help panel that the shell writes.
#pragma once

namespace quintaro::prompt {

constexpr const char* ChooseCommand = "Bitte Menupunkt auswählen!";
constexpr const char* ClickCell = "Bitte ein Feld anklicken!";

} // namespace quintaro::prompt
