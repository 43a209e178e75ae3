#include "print/printprimitives.h"

#include "look/fonts.h"

void MSG32(PrintJob &Printer) { Printer.setFont({fonts::PGothic, 32, false, false}); }
void MSG16(PrintJob &Printer) { Printer.setFont({fonts::Mincho, 16, true, true}); }
void MSG14(PrintJob &Printer) { Printer.setFont({fonts::Mincho, 14, true, true}); }
void MSG12(PrintJob &Printer) { Printer.setFont({fonts::Mincho, 12, false, false}); }
void MSGG12(PrintJob &Printer) { Printer.setFont({fonts::PGothic, 12, false, false}); }
void MSG12RED(PrintJob &Printer) { Printer.setFont({fonts::Gothic, 12, false, false}); }
void ichi01(PrintJob &Printer) { Printer.setPosition(3600, 360); }
void ichi02(PrintJob &Printer) { Printer.setPosition(1200, 1000); }
