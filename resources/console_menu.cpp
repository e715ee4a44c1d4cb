#include "resources/menu_template.h"

#include "resources/resource_ids.h"

#include <stdexcept>
#include <string>

namespace {

const MenuTemplate& ConsoleMenu() {
    static const MenuTemplate kMenu{
        {"&Plik",
         {
             {ID_LOAD_FILE, "&L - Otwórz konfigurację z pliku"},
             {ID_SAVE_FILE, "&S - Zapisz konfigurację do pliku"},
             {ID_EXIT, "&X - Wyjście"},
         }},
        {"&Edycja",
         {
             {ID_READ_CONFIGURATION, "&R - Odczytaj konfigurację z modułu"},
             {ID_SEND_CONFIGURATION, "&W - Wyślij konfigurację do modułu"},
         }},
        {"&Konfiguracja",
         {
             {ID_GENERAL_SETTINGS, "&U - Ustawienia ogólne"},
             {ID_LINE_SETTINGS, "&I - Ustawienia linii"},
             {ID_SMS_TEXTS, "&T - Teksty SMS"},
             {ID_REPORTS_CONTROL, "&P - Raporty i sterowanie"},
         }},
        {"Port &COM",
         {
             {ID_COM1, "COM &1"},
             {ID_COM2, "COM &2"},
             {ID_COM3, "COM &3"},
             {ID_COM4, "COM &4"},
             {ID_COM5, "COM &5"},
             {ID_COM6, "COM &6"},
             {ID_COM7, "COM &7"},
             {ID_COM8, "COM &8"},
             {ID_COM9, "COM &9"},
         }},
        {"&Informacje",
         {
             {ID_MODULE_VERSION, "&V - Wersja modułu"},
             {IDM_ABOUTBOX, "&O programie"},
         }},
    };
    return kMenu;
}

} // namespace

const MenuTemplate& FindMenuTemplate(int menuId) {
    if (menuId != IDR_CONSOLE_MENU) {
        throw std::logic_error("no menu " + std::to_string(menuId));
    }
    return ConsoleMenu();
}
