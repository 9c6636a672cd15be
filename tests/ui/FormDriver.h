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

} // namespace drive
