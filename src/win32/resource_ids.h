// Numbers of the program's own resources (tarvik.rc) and of the commands and
// controls in them. Plain #defines, because windres reads this file too; the
// Win32 shell includes it beside the shared tables of the same numbers.
#ifndef TARVIK_WIN32_RESOURCE_IDS_H
#define TARVIK_WIN32_RESOURCE_IDS_H

// Resources
#define IDI_PROGRAM      138  // the window class's large and small icon
#define IDR_MAIN_MENU    109  // the window class's menu
#define IDD_ABOUT        103
#define IDD_STATISTICS   129
#define IDD_HIGH_SCORES  133
#define IDD_NAME_ENTRY   135

// Menu commands
#define IDM_ABOUT                  104
#define IDM_EXIT                   105
#define IDM_MAIN_MENU              32773
#define IDM_STATISTICS             32774
#define IDM_REDEAL                 32776
#define IDM_SOUND_ON               32777
#define IDM_ALTERNATE_BACKGROUNDS  32778
#define IDM_HIGH_SCORES            32779
#define IDM_INSTRUCTIONS           32783

// Statistics dialog: the value fields, lifetime ones from the score file's
// records, session ones from this run's counters, and its one button.
#define IDC_KLONDIKE_LIFETIME_WINS          1006
#define IDC_KLONDIKE_LIFETIME_LOSSES        1007
#define IDC_KLONDIKE_SESSION_WINS           1005
#define IDC_KLONDIKE_SESSION_LOSSES         1004
#define IDC_FREECELL_LIFETIME_WINS          1008
#define IDC_FREECELL_LIFETIME_LOSSES        1009
#define IDC_FREECELL_SESSION_WINS           1010
#define IDC_FREECELL_SESSION_LOSSES         1011
#define IDC_SCORPION_LIFETIME_WINS          1024
#define IDC_SCORPION_LIFETIME_LOSSES        1028
#define IDC_SCORPION_SESSION_WINS           1014
#define IDC_SCORPION_SESSION_LOSSES         1015
#define IDC_MOUNT_SUNFLOWER_LIFETIME_WINS   1029
#define IDC_MOUNT_SUNFLOWER_LIFETIME_LOSSES 1030
#define IDC_MOUNT_SUNFLOWER_SESSION_WINS    1018
#define IDC_MOUNT_SUNFLOWER_SESSION_LOSSES  1019
#define IDC_BAKERS_DOZEN_LIFETIME_WINS      1031
#define IDC_BAKERS_DOZEN_LIFETIME_LOSSES    1032
#define IDC_BAKERS_DOZEN_SESSION_WINS       1022
#define IDC_BAKERS_DOZEN_SESSION_LOSSES     1023
#define IDC_LIFETIME_GAMES                  1033
#define IDC_SESSION_GAMES                   1025
#define IDC_CLEAR_ALL_STATS                 1027

// High-score dialog: name and score fields of ranks 1 to 10, and "Clear",
// whose command is its own (Escape sends IDCANCEL, which clears nothing).
#define IDC_HIGH_SCORE_NAME_1   1034
#define IDC_HIGH_SCORE_NAME_2   1035
#define IDC_HIGH_SCORE_NAME_3   1036
#define IDC_HIGH_SCORE_NAME_4   1037
#define IDC_HIGH_SCORE_NAME_5   1038
#define IDC_HIGH_SCORE_NAME_6   1039
#define IDC_HIGH_SCORE_NAME_7   1040
#define IDC_HIGH_SCORE_NAME_8   1041
#define IDC_HIGH_SCORE_NAME_9   1042
#define IDC_HIGH_SCORE_NAME_10  1043
#define IDC_HIGH_SCORE_SCORE_1  1044
#define IDC_HIGH_SCORE_SCORE_2  1045
#define IDC_HIGH_SCORE_SCORE_3  1052
#define IDC_HIGH_SCORE_SCORE_4  1048
#define IDC_HIGH_SCORE_SCORE_5  1047
#define IDC_HIGH_SCORE_SCORE_6  1053
#define IDC_HIGH_SCORE_SCORE_7  1049
#define IDC_HIGH_SCORE_SCORE_8  1046
#define IDC_HIGH_SCORE_SCORE_9  1050
#define IDC_HIGH_SCORE_SCORE_10 1051
#define IDC_CLEAR_HIGH_SCORES   1054

// Name-entry dialog: the name field (the same number as a score field of the
// high-score dialog; the two dialogs are never open together).
#define IDC_NAME_FIELD  1045

// About box: the static text that becomes the link to the product page.
#define IDC_PRODUCT_LINK  1060

#ifndef IDC_STATIC
#define IDC_STATIC  (-1)
#endif

#endif
