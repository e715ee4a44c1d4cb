#include "app/command_line.h"
#include "app/console_app.h"
#include "platform/application.h"

int main(int argc, char* argv[]) {
    UiToolkit toolkit(argc, argv);
    toolkit.InstallMessageBox();
    CConsoleApp console(ArgumentText(argc, argv));
    console.InitInstance();
    return 0;
}
