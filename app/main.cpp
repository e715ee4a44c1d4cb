#include "app/command_line.h"
#include "app/console_app.h"
#include "platform/qt_message_box.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstallQtMessageBox();
    CConsoleApp console(ArgumentText(argc, argv));
    console.InitInstance();
    return 0;
}
