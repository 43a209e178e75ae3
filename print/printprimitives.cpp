#include "print/printprimitives.h"

#include "look/fonts.h"

void setPGothic32(PrintJob &Printer) { Printer.setFont({fonts::PGothic, 32, false, false}); }
void setMincho16(PrintJob &Printer) { Printer.setFont({fonts::Mincho, 16, true, true}); }
void setMincho14(PrintJob &Printer) { Printer.setFont({fonts::Mincho, 14, true, true}); }
void setMincho12(PrintJob &Printer) { Printer.setFont({fonts::Mincho, 12, false, false}); }
void setPGothic12(PrintJob &Printer) { Printer.setFont({fonts::PGothic, 12, false, false}); }
void setGothic12(PrintJob &Printer) { Printer.setFont({fonts::Gothic, 12, false, false}); }
void ichi01(PrintJob &Printer) { Printer.setPosition(3600, 360); }
void ichi02(PrintJob &Printer) { Printer.setPosition(1200, 1000); }
