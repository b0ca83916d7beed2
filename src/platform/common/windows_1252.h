#pragma once
// The scene's text is Windows-1252: which Unicode character each code stands for.

// Unicode of Windows-1252 code [0, 255]; 0 for code 0, the five unassigned
// codes (0x81, 0x8D, 0x8F, 0x90, 0x9D) and anything outside the range.
int UnicodeOfWindows1252(int code);
// 1 for the control codes 0..31 and 127, which draw nothing but still advance.
int IsWindows1252Control(int code);
