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

// General settings editor.
inline constexpr int IDC_SMSC_NUMBER = 1000;
inline constexpr int IDC_PHONE_3 = 1001;
inline constexpr int IDC_PHONE_1 = 1002;
inline constexpr int IDC_PHONE_2 = 1003;
inline constexpr int IDC_OPERATOR_ORANGE = 1005;
inline constexpr int IDC_SMS_LIMIT_ACTIVE = 1006;
inline constexpr int IDC_OPERATOR_T_MOBILE = 1007;
inline constexpr int IDC_OPERATOR_PLUS = 1008;
inline constexpr int IDC_PERIODIC_REPORT_ACTIVE = 1009;
inline constexpr int IDC_THERMOSTAT_1_ACTIVE = 1010;
inline constexpr int IDC_SMS_LIMIT = 1011;
inline constexpr int IDC_REPORT_PERIOD = 1012;
inline constexpr int IDC_THERMOSTAT_1_LOW = 1013;
inline constexpr int IDC_THERMOSTAT_1_HIGH = 1014;
inline constexpr int IDC_DISARMING_L1_ACTIVE = 1016;
inline constexpr int IDC_SIREN_ACTIVE = 1017;
inline constexpr int IDC_SIREN_TIME = 1018;
inline constexpr int IDC_THERMOSTAT_2_LOW = 1019;
inline constexpr int IDC_THERMOSTAT_2_HIGH = 1020;
inline constexpr int IDC_PIN = 1021;
inline constexpr int IDC_OPERATOR_PLAY = 1022;
inline constexpr int IDC_TEMPERATURE_1_NOTIFY = 1023;
inline constexpr int IDC_TEMPERATURE_2_NOTIFY = 1024;
inline constexpr int IDC_OUTPUT_REMANENCE = 1025;
inline constexpr int IDC_NETWORK_CODE = 1026;
inline constexpr int IDC_THERMOSTAT_2_ACTIVE = 1027;

// Line settings editor: the box of line n (1-10) and column c (0-4: TEL1, TEL2, TEL3, NO, NC).
inline constexpr int IDC_FIRST_LINE_BOX = 1022;
constexpr int LineBoxId(int line, int column) {
    return IDC_FIRST_LINE_BOX + 5 * (line - 1) + column;
}

// SMS texts editor: the texts of lines 1-6, the codes list button, lines 7-10 and the report.
inline constexpr int IDC_TEXT_LINE_1 = 1014;
inline constexpr int IDC_TEXT_LINE_2 = 1015;
inline constexpr int IDC_TEXT_LINE_3 = 1016;
inline constexpr int IDC_TEXT_LINE_4 = 1017;
inline constexpr int IDC_TEXT_LINE_5 = 1018;
inline constexpr int IDC_TEXT_LINE_6 = 1019;
inline constexpr int IDC_VARIABLE_CODES = 1020;
inline constexpr int IDC_TEXT_LINE_7 = 1021;
inline constexpr int IDC_TEXT_LINE_8 = 1022;
inline constexpr int IDC_TEXT_LINE_9 = 1023;
inline constexpr int IDC_TEXT_LINE_10 = 1024;
inline constexpr int IDC_TEXT_REPORT = 1025;

// SMS variable codes list.
inline constexpr int IDC_CODES_LIST = 1021;

// Reports and control editor.
inline constexpr int IDC_REPORT_TEL_1 = 1022;
inline constexpr int IDC_REPORT_TEL_2 = 1023;
inline constexpr int IDC_REPORT_TEL_3 = 1024;
inline constexpr int IDC_CLIP_TEL_1 = 1025;
inline constexpr int IDC_CLIP_TEL_2 = 1026;
inline constexpr int IDC_CLIP_TEL_3 = 1027;
inline constexpr int IDC_SMS_CONTROL_TEL_1 = 1028;
inline constexpr int IDC_SMS_CONTROL_TEL_2 = 1029;
inline constexpr int IDC_SMS_CONTROL_TEL_3 = 1030;
inline constexpr int IDC_CLIP_ANY = 1031;
inline constexpr int IDC_SMS_CONTROL_ANY = 1032;
inline constexpr int IDC_REPORT_POWER_SOURCE = 1034;
inline constexpr int IDC_REPORT_OUTPUTS = 1035;
inline constexpr int IDC_PULSE_O2_AFTER_CLIP = 1036;
inline constexpr int IDC_IGNORE_INPUTS_AT_START = 1037;

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
