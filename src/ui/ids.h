/* The numbers of the program's own resources, menu commands and dialog
   controls, once for every shell. Plain #defines in C syntax, because windres
   reads this file too (the Windows shell's .rc includes it). Stable ids:
   never renumbered; a saved layout or a test may name any of them. */
#ifndef TARVIK_UI_IDS_H
#define TARVIK_UI_IDS_H

/* Resources: the icon, the menu bar and the four dialogs. */
#define ICON_PROGRAM       138
#define MENU_MAIN          109
#define DIALOG_ABOUT       103
#define DIALOG_STATISTICS  129
#define DIALOG_HIGH_SCORES 133
#define DIALOG_NAME_ENTRY  135

/* Menu commands. The rules grey and enable "&Redeal" and "&Main Menu" by
   them; the menu table carries all of them. */
#define COMMAND_ABOUT                  104
#define COMMAND_EXIT                   105
#define COMMAND_MAIN_MENU              32773
#define COMMAND_STATISTICS             32774
#define COMMAND_REDEAL                 32776
#define COMMAND_SOUND_ON               32777
#define COMMAND_ALTERNATE_BACKGROUNDS  32778
#define COMMAND_HIGH_SCORES            32779
#define COMMAND_INSTRUCTIONS           32783

/* Controls. CONTROL_OK and CONTROL_CANCEL are the dialog manager's own (IDOK,
   IDCANCEL); a control
   nobody asks for by number (a label, a group box) is CONTROL_STATIC. */
#define CONTROL_STATIC  (-1)
#define CONTROL_OK      1
#define CONTROL_CANCEL  2  /* Escape, and the close box of a dialog with a caption (IDCANCEL) */

/* Statistics dialog: the value fields (lifetime ones show the score file's
   records, session ones this run's counters) and its one other button. */
#define CONTROL_KLONDIKE_LIFETIME_WINS          1006
#define CONTROL_KLONDIKE_LIFETIME_LOSSES        1007
#define CONTROL_KLONDIKE_SESSION_WINS           1005
#define CONTROL_KLONDIKE_SESSION_LOSSES         1004
#define CONTROL_FREECELL_LIFETIME_WINS          1008
#define CONTROL_FREECELL_LIFETIME_LOSSES        1009
#define CONTROL_FREECELL_SESSION_WINS           1010
#define CONTROL_FREECELL_SESSION_LOSSES         1011
#define CONTROL_SCORPION_LIFETIME_WINS          1024
#define CONTROL_SCORPION_LIFETIME_LOSSES        1028
#define CONTROL_SCORPION_SESSION_WINS           1014
#define CONTROL_SCORPION_SESSION_LOSSES         1015
#define CONTROL_MOUNT_SUNFLOWER_LIFETIME_WINS   1029
#define CONTROL_MOUNT_SUNFLOWER_LIFETIME_LOSSES 1030
#define CONTROL_MOUNT_SUNFLOWER_SESSION_WINS    1018
#define CONTROL_MOUNT_SUNFLOWER_SESSION_LOSSES  1019
#define CONTROL_BAKERS_DOZEN_LIFETIME_WINS      1031
#define CONTROL_BAKERS_DOZEN_LIFETIME_LOSSES    1032
#define CONTROL_BAKERS_DOZEN_SESSION_WINS       1022
#define CONTROL_BAKERS_DOZEN_SESSION_LOSSES     1023
#define CONTROL_LIFETIME_GAMES                  1033
#define CONTROL_SESSION_GAMES                   1025
#define CONTROL_CLEAR_ALL_STATS                 1027

/* High-score dialog: name and score fields of ranks 1 to 10, and "Clear",
   whose command is its own (Escape sends IDCANCEL, which clears nothing). */
#define CONTROL_HIGH_SCORE_NAME_1   1034
#define CONTROL_HIGH_SCORE_NAME_2   1035
#define CONTROL_HIGH_SCORE_NAME_3   1036
#define CONTROL_HIGH_SCORE_NAME_4   1037
#define CONTROL_HIGH_SCORE_NAME_5   1038
#define CONTROL_HIGH_SCORE_NAME_6   1039
#define CONTROL_HIGH_SCORE_NAME_7   1040
#define CONTROL_HIGH_SCORE_NAME_8   1041
#define CONTROL_HIGH_SCORE_NAME_9   1042
#define CONTROL_HIGH_SCORE_NAME_10  1043
#define CONTROL_HIGH_SCORE_SCORE_1  1044
#define CONTROL_HIGH_SCORE_SCORE_2  1045
#define CONTROL_HIGH_SCORE_SCORE_3  1052
#define CONTROL_HIGH_SCORE_SCORE_4  1048
#define CONTROL_HIGH_SCORE_SCORE_5  1047
#define CONTROL_HIGH_SCORE_SCORE_6  1053
#define CONTROL_HIGH_SCORE_SCORE_7  1049
#define CONTROL_HIGH_SCORE_SCORE_8  1046
#define CONTROL_HIGH_SCORE_SCORE_9  1050
#define CONTROL_HIGH_SCORE_SCORE_10 1051
#define CONTROL_CLEAR_HIGH_SCORES   1054

/* Name-entry dialog: the name field (the same number as a score field of the
   high-score dialog; the two dialogs are never open together). */
#define CONTROL_NAME_FIELD  1045

/* About box: the text that becomes the link to the product page. */
#define CONTROL_PRODUCT_LINK  1060

#endif
