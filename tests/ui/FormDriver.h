#pragma once

#include "ui/Orvane_CalcDlg.h"

#include <QComboBox>
#include <QString>

// Drives the real form as a user would.
namespace drive {

QComboBox* List(const CForm& form, int id);
// Opens the drop-down's popup, highlights row and presses Enter, as a user picking it.
void PickRow(QComboBox* combo, int row);
// The same with the arrow keys only (slower; for the keyboard path itself).
void PickRowByKeys(QComboBox* combo, int row);
QString Caption(const CForm& form, int id);
// The same pick applied straight to a model, as the form is meant to apply it: SetCurSel on
// the list of control id, then that list's event.
void ApplyToModel(CCapacityModel& model, int id, int row);

} // namespace drive
