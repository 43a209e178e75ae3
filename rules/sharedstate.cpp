#include "rules/sharedstate.h"

void fillTestCatalogue(SharedState &m)
{
    m.TestName[1] = QStringLiteral("５問選択問題テスト（英語→日本語）");
    m.TestName[2] = QStringLiteral("５問選択問題テスト（日本語→英語）");
    m.TestName[3] = QStringLiteral("英単語テスト");
    for (int kind = 1; kind <= 3; ++kind) {
        const QString nn = QStringLiteral("0") + QString::number(kind);
        m.inOrderScoreFile[kind] = QStringLiteral("tenj") + nn + QStringLiteral(".dat");
        m.randomScoreFile[kind] = QStringLiteral("tenr") + nn + QStringLiteral(".dat");
        m.TitleFile[kind] = QStringLiteral("E1.DAT");
    }
}

QString withLeadingBlank(int n)
{
    return n >= 0 ? QStringLiteral(" ") + QString::number(n) : QString::number(n);
}

QString chapterLine(const SharedState &m)
{
    const QString name = m.chosenChapter >= 1 && m.chosenChapter <= kChapterCount ? m.chapterNames[m.chosenChapter - 1] : QString();
    return QStringLiteral("No.") + withLeadingBlank(m.chosenChapter) + QChar(0x3000) + name;
}
