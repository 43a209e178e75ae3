#pragma once
// The fonts and positions every printed page of the program is written with. Each font
// primitive sets bold, italic, name and size at once and leaves the position alone; each
// position primitive sets x and y and leaves the font alone.
#include "print/printjob.h"

void setPGothic32(PrintJob &Printer); // ＭＳ Ｐゴシック 32
void setMincho16(PrintJob &Printer); // ＭＳ 明朝 16, bold italic
void setMincho14(PrintJob &Printer); // ＭＳ 明朝 14, bold italic
void setMincho12(PrintJob &Printer); // ＭＳ 明朝 12: Japanese text
void setPGothic12(PrintJob &Printer); // ＭＳ Ｐゴシック 12: English text
void setGothic12(PrintJob &Printer); // ＭＳ ゴシック 12 (despite its name it sets no colour)
void ichi01(PrintJob &Printer);   // x 3600, y 360
void ichi02(PrintJob &Printer);   // x 1200, y 1000
