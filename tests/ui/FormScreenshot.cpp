// Renders the main form to a PNG, as it looks after start-up, in the language asked for:
//   form_screenshot <file.png> [english|spanish] [product 0-8]
#include "ui/Orvane_CalcDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// As a user's pick: the drop-down's row, then the form's handling of it.
void Pick(COrvane_CalcDlg& dlg, int id, int row) {
    QComboBox* combo = dlg.DropDown(id);
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.png> [english|spanish] [product 0-8]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane_Calc"));
    const QString file = QString::fromLocal8Bit(argv[1]);
    const bool bSpanish = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("spanish");
    const int product = argc > 3 ? std::atoi(argv[3]) : 0;

    COrvane_CalcDlg dlg;
    bool bSaved = false;
    QTimer::singleShot(0, &dlg, [&] {
        Pick(dlg, 1031, bSpanish ? 1 : 0);
        Pick(dlg, 1000, product);
        bSaved = dlg.grab().save(file);
        dlg.EndDialog(CForm::kCancel);
    });
    dlg.DoModal();
    if (!bSaved) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
