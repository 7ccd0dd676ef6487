// Ids of the dialog templates, controls, pictures and texts. Shared by the
// resource script and by the code (the portable core included), so it holds
// nothing but plain #defines.
#pragma once

// Dialog templates
#define IDD_MAIN_WINDOW 101
#define IDD_CORRECT_POPUP 102
#define IDD_ABOUT_BOX 108
#define IDD_SETTINGS_PANEL 115
#define IDD_RESULTS_PANEL 120
#define IDD_WRONG_POPUP 122

// Pictures
#define IDB_LOGO 114
#define IDI_PROGRAM 124
#define IDR_HAND_CURSOR 134

// MainWindow commands (2 is IDCANCEL, "Konec")
#define IDC_ABOUT 3
#define IDC_NEW_TEST 5
#define IDC_END_TEST 6
#define IDC_SETTINGS 7

// MainWindow controls
#define IDC_INFINITIVE 1002
#define IDC_PAST_SIMPLE 1003
#define IDC_PAST_PARTICIPLE 1004
#define IDC_CONFIRM 1005
#define IDC_CORRECT_COUNT 1010
#define IDC_MEANING 1011
#define IDC_REMAINING 1012
#define IDC_PROGRESS 1013
#define IDC_WRONG_COUNT 1015
#define IDC_WRONG_LABEL 1022
#define IDC_CORRECT_LABEL 1023
#define IDC_REMAINING_LABEL 1024
#define IDC_CORRECT_PERCENT 1033
#define IDC_CORRECT_PERCENT_SIGN 1034
#define IDC_WRONG_PERCENT 1035
#define IDC_WRONG_PERCENT_SIGN 1036
#define IDC_MAIN_LINK 1046
#define IDC_VERSION 1049

// WrongPopup
#define IDC_HINT 1005

// Both panels
#define IDC_PANEL_TITLE 1027

// SettingsPanel
#define IDC_REASK 1026
#define IDC_LENGTH_SPIN 1028
#define IDC_LENGTH 1029
#define IDC_DIFFICULTY 1041

// ResultsPanel
#define IDC_RESULTS_CORRECT 1010
#define IDC_RESULTS_TOTAL 1011
#define IDC_RESULTS_WRONG 1015
#define IDC_RESULTS_CORRECT_PERCENT 1033
#define IDC_RESULTS_WRONG_PERCENT 1034
#define IDC_RESULTS_WRONG_PERCENT_SIGN 1036
#define IDC_RESULTS_CORRECT_PERCENT_SIGN 1037
#define IDC_RESULTS_SPARE 1044

// AboutBox
#define IDC_CREDITS 1020
#define IDC_ABOUT_LINK 1021
#define IDC_THANKS 1022
