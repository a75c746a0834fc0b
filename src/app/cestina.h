#pragma once

// Czech to the last word, Qt's own dialogs included.
namespace Cestina {

// Before the application object is made: Qt reads the locale of its dialogs' dates, numbers and
// file sizes (the save dialog's columns) from the environment once, when the application starts.
void PredSpustenim();

// Right after it: the environment as it was for the programs started from here (the web browser),
// and the texts of Qt's dialogs that Qt's Czech translation lacks.
void PoSpusteni();

} // namespace Cestina
