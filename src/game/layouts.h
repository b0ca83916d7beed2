#pragma once
// The five game layouts: which piles lie where, how they fan, which rule each
// follows and how the deal fills them. Each routine rewrites g_layouts[game]
// and counts one game dealt in the statistics (session and lifetime).

void SetUpKlondike();        // g_layouts[1]
void SetUpFreecell();        // g_layouts[2]
void SetUpScorpion();        // g_layouts[3]
void SetUpMountSunflower();  // g_layouts[4]
void SetUpBakersDozen();     // g_layouts[5]
