#pragma once
// What the program reaches outside itself, as the real program has it: random numbers from
// the clock, the English voice, the default printer (or a PDF file in its place), the
// desktop's browser and the home page that ships with the program. Created after the
// application object.
#include "print/qtprinter.h"
#include "rules/random.h"
#include "screens/kit/speech.h"

#include <QString>

class Dialogs;
struct AppContext;

class OutsideWorld {
public:
    // Gives the context the data folder, the dialogs and all of the above; the context must
    // not outlive this.
    void wire(AppContext &ctx, const QString &dataFolder, Dialogs &dialogs);

private:
    ClockRandom random_;
    EnglishVoice speech_;
    QtPrinterProvider printers_;
};
