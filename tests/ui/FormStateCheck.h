#pragma once

#include "ui/Orvane_CalcDlg.h"

#include <QString>

#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

// Compares everything the form shows with the model and the label texts behind it: every
// drop-down list's rows, current row and enabled state, every number field, every caption.
// Returns an empty string when they agree, else the first difference.
QString FormStateDifference(const COrvane_CalcDlg& dlg);

// Compares two models field by field: every quantity, every list's items, current index and
// enabled flag. Empty when equal, else the first difference.
QString ModelStateDifference(const CCapacityModel& a, const CCapacityModel& b);
