#include "GuiTestMain.h"
#include "TestForm.h"

int main(int argc, char** argv) {
    return RunGuiTests(argc, argv, QStringLiteral("Toolkit Test"), testform::InstallTestIcons);
}
