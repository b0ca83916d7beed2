#pragma once
// The cursor file's decoding, apart from making the pointer shape, so that
// the fuzzer feeds it the same bytes the program would read.

class QIODevice;
class QImage;

// Reads a Windows cursor file from `file` (open for reading, at its start):
// reserved 0, type 2, at least one entry; the first entry's picture through
// Qt's icon reader and its hot spot in pixels from the top left. 1 with
// *picture not null, 0 (outputs unchanged) when the file is not such a cursor.
int DecodeCursorFile(QIODevice* file, QImage* picture, int* hotX, int* hotY);
