#include "print/cupsqueue.h"

#include "files/runtimelibrary.h"

#include <QByteArray>
#include <QFile>

#include <cups/cups.h>

#include <algorithm>

namespace cupsqueue {
namespace {
// The few CUPS calls the program makes, looked up in the library once it is loaded.
struct Library {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::cupsGetNamedDest) namedDest = nullptr;
    decltype(&::cupsGetOption) option = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&::cupsGetDestMediaByName) mediaByName = nullptr;
    decltype(&::cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&::cupsAddOption) addOption = nullptr;
    decltype(&::cupsFreeOptions) freeOptions = nullptr;
    decltype(&::cupsPrintFile2) printFile = nullptr;
};

const Library *load()
{
    // Never unloaded: its threads and handlers may outlive any one call.
    void *handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static Library lib;
    const bool complete = resolveFunction(handle, lib.server, "cupsServer") && resolveFunction(handle, lib.encryption, "cupsEncryption")
        && resolveFunction(handle, lib.port, "ippPort") && resolveFunction(handle, lib.connect, "httpConnect2")
        && resolveFunction(handle, lib.setTimeout, "httpSetTimeout") && resolveFunction(handle, lib.close, "httpClose")
        && resolveFunction(handle, lib.namedDest, "cupsGetNamedDest") && resolveFunction(handle, lib.option, "cupsGetOption")
        && resolveFunction(handle, lib.freeDests, "cupsFreeDests") && resolveFunction(handle, lib.copyDestInfo, "cupsCopyDestInfo")
        && resolveFunction(handle, lib.mediaByName, "cupsGetDestMediaByName")
        && resolveFunction(handle, lib.freeDestInfo, "cupsFreeDestInfo") && resolveFunction(handle, lib.addOption, "cupsAddOption")
        && resolveFunction(handle, lib.freeOptions, "cupsFreeOptions") && resolveFunction(handle, lib.printFile, "cupsPrintFile2");
    return complete ? &lib : nullptr;
}

const Library *library()
{
    static const Library *const loaded = load();
    return loaded;
}

const char *const kA4 = "iso_a4_210x297mm";

// One connection to the print server whose every wait for the server ends after the
// silence limit; silent() tells whether one did.
class Connection {
public:
    explicit Connection(const Library &lib) : lib_(lib)
    {
        http_ = lib.connect(lib.server(), lib.port(), nullptr, AF_UNSPEC, lib.encryption(), 1, kSilenceLimitMs, nullptr);
        if (http_)
            lib.setTimeout(http_, kSilenceLimitMs / 1000.0, &Connection::giveUp, this);
    }
    ~Connection()
    {
        if (http_)
            lib_.close(http_);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    http_t *http() const { return http_; }
    bool silent() const { return silent_; }
    Reach reach() const { return !http_ ? Reach::NoServer : silent_ ? Reach::NotAnswering : Reach::Answered; }

private:
    static int giveUp(http_t *, void *self)
    {
        static_cast<Connection *>(self)->silent_ = true;
        return 0; // end the wait as failed
    }

    const Library &lib_;
    http_t *http_ = nullptr;
    bool silent_ = false;
};

double hundredthsOfMmToPoints(int v) { return v / 100.0 / 25.4 * 72.0; }
} // namespace

Printer defaultPrinter()
{
    Printer printer;
    const Library *lib = library();
    if (!lib) {
        printer.reach = Reach::NoLibrary;
        return printer;
    }
    Connection connection(*lib);
    if (!connection.http()) {
        printer.reach = Reach::NoServer;
        return printer;
    }
    cups_dest_t *dest = lib->namedDest(connection.http(), nullptr, nullptr);
    printer.reach = connection.reach();
    if (!dest)
        return printer;
    printer.name = QString::fromUtf8(dest->name);
    if (dest->instance)
        printer.name += u'/' + QString::fromUtf8(dest->instance);
    // A printer found on the network rather than set up as a queue may not say: only a
    // queue that says it refuses jobs counts as refusing.
    const char *accepting = lib->option("printer-is-accepting-jobs", dest->num_options, dest->options);
    printer.acceptsJobs = !accepting || qstrcmp(accepting, "false") != 0;
    if (cups_dinfo_t *info = lib->copyDestInfo(connection.http(), dest)) {
        cups_size_t size{};
        if (lib->mediaByName(connection.http(), dest, info, kA4, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            printer.a4Margins = QMarginsF(hundredthsOfMmToPoints(size.left), hundredthsOfMmToPoints(size.top),
                                          hundredthsOfMmToPoints(size.right), hundredthsOfMmToPoints(size.bottom));
        lib->freeDestInfo(info);
    }
    lib->freeDests(1, dest);
    printer.reach = connection.reach();
    return printer;
}

Sent sendPdf(const QString &queue, const QString &path, const QString &title, int copies)
{
    Sent sent;
    const Library *lib = library();
    if (!lib) {
        sent.reach = Reach::NoLibrary;
        return sent;
    }
    Connection connection(*lib);
    if (!connection.http()) {
        sent.reach = Reach::NoServer;
        return sent;
    }
    int count = 0;
    cups_option_t *options = nullptr;
    const QByteArray copyCount = QByteArray::number(std::max(copies, 1));
    count = lib->addOption("copies", copyCount.constData(), count, &options);
    count = lib->addOption("collate", "true", count, &options);
    count = lib->addOption("media", kA4, count, &options);
    const QByteArray name = queue.section(u'/', 0, 0).toUtf8();
    sent.job = lib->printFile(connection.http(), name.constData(), QFile::encodeName(path).constData(),
                              title.toUtf8().constData(), count, options);
    lib->freeOptions(count, options);
    sent.reach = connection.reach();
    return sent;
}
} // namespace cupsqueue
