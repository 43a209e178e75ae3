#pragma once
// What every screen can reach: the shared state, the data folder and the outside world
// (dialogs, random numbers, the printer, the browser), each behind something a test can replace.
#include "files/datafolder.h"
#include "rules/sharedstate.h"

#include <QString>
#include <QUrl>
#include <functional>

class Dialogs;
class HandOver;
class PrinterProvider;
class RandomSource;
class Speech;

struct AppContext {
    SharedState state;
    DataFolder data;
    Dialogs *dialogs = nullptr;
    RandomSource *random = nullptr;
    HandOver *navigator = nullptr;           // the navigator, as the screens see it
    Speech *speech = nullptr;                  // the English voice of the tests
    PrinterProvider *printers = nullptr;      // the default printer, or a PDF file in its place
    std::function<bool(const QUrl &)> openUrl; // opens the home page in the desktop's browser
    QString homePage;                          // the page that ships with the program
};
