#pragma once

// Every resource, control and command id of the console in one place, so code and tests
// speak of the same numbers.

// Buttons that end a dialog.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_CONSOLE = 102;
inline constexpr int IDD_GENERAL_SETTINGS = 129;
inline constexpr int IDD_SMS_TEXTS = 131;
inline constexpr int IDD_VARIABLE_CODES = 132;
inline constexpr int IDD_REPORTS_CONTROL = 133;
inline constexpr int IDD_LINE_SETTINGS = 134;

// Strings, icons, menus and pictures.
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_CONSOLE_MENU = 130;
inline constexpr int IDB_MODULE = 149;
inline constexpr int IDB_EDGE_FALLING = 150;
inline constexpr int IDB_EDGE_RISING = 151;

// A control that code never addresses.
inline constexpr int IDC_STATIC = -1;

// Console window.
inline constexpr int IDC_HIDDEN_EDIT_1 = 1014;
inline constexpr int IDC_HIDDEN_EDIT_2 = 1015;
inline constexpr int IDC_LOG = 1019;

// About box.
inline constexpr int IDC_VERSION = 1024;

// Menu commands of the console window.
inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int ID_LOAD_FILE = 32771;
inline constexpr int ID_SAVE_FILE = 32772;
inline constexpr int ID_EXIT = 32773;
inline constexpr int ID_READ_CONFIGURATION = 32774;
inline constexpr int ID_SEND_CONFIGURATION = 32775;
inline constexpr int ID_COM1 = 32776;
inline constexpr int ID_COM2 = 32777;
inline constexpr int ID_COM3 = 32778;
inline constexpr int ID_COM4 = 32779;
inline constexpr int ID_MODULE_VERSION = 32780;
inline constexpr int ID_GENERAL_SETTINGS = 32782;
inline constexpr int ID_LINE_SETTINGS = 32783;
inline constexpr int ID_SMS_TEXTS = 32784;
inline constexpr int ID_REPORTS_CONTROL = 32785;
inline constexpr int ID_COM5 = 32793;
inline constexpr int ID_COM6 = 32798;
inline constexpr int ID_COM7 = 32799;
inline constexpr int ID_COM8 = 32800;
inline constexpr int ID_COM9 = 32801;
