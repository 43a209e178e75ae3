#include "app/startup.h"

#include "app/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

void loadJapaneseTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

QString findShippedPath(const QString &relative)
{
    const QDir appDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {appDir.filePath(relative), appDir.filePath(QStringLiteral("../share/eitango/") + relative),
                                     appDir.filePath(QStringLiteral("../../share/eitango/") + relative)}) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}

namespace {
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        } else {
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                              | QFileDevice::ReadOther);
        }
    }
    return true;
}
} // namespace

QString setUpCourse(const QString &bundledE1, const QString &target)
{
    if (bundledE1.isEmpty() || !QFileInfo(bundledE1).isDir())
        return QStringLiteral("付属の教材が見つかりません。プログラムを入れ直してください。");
    if (QFileInfo::exists(target))
        return QStringLiteral("「%1」はすでにあります。上書きはしません。").arg(QDir::toNativeSeparators(target));
    const QString staging = target + QStringLiteral(".setup");
    QDir(staging).removeRecursively();
    if (!copyTree(bundledE1, staging) || !QDir().rename(staging, target)) {
        QDir(staging).removeRecursively();
        return QStringLiteral("教材を「%1」に用意できませんでした。フォルダーに書き込めるか確かめてください。")
            .arg(QDir::toNativeSeparators(target));
    }
    return {};
}

bool ensureDataFolder(Dialogs &dialogs, const QString &dataFolder)
{
    const QFileInfo info(dataFolder);
    if (info.isDir())
        return true;
    const QString where = QDir::toNativeSeparators(info.absoluteFilePath());
    const QString title = QStringLiteral("データフォルダー");
    if (info.exists()) {
        dialogs.inform(nullptr, QStringLiteral("「%1」はフォルダーではありません。プログラムを終了します。").arg(where), title);
        return false;
    }
    const bool setUp = dialogs.choose(
        nullptr,
        QStringLiteral("データフォルダー「%1」が見つかりません。\n付属の教材をここに用意しますか？").arg(where),
        title, QStringLiteral("教材を用意する"), QStringLiteral("終了する"));
    if (!setUp)
        return false;
    const QString problem = setUpCourse(findShippedPath(QStringLiteral("course/E1")), info.absoluteFilePath());
    if (!problem.isEmpty()) {
        dialogs.inform(nullptr, problem + QStringLiteral("\nプログラムを終了します。"), title);
        return false;
    }
    return true;
}
