// What kind of mistake a wrong typed answer is: the tags of a table of learners' answers, the
// sentences that name the words, the classifier without its dictionary, and the course's
// fixed words, which the program and the teachers' guide must list alike.
#include "rules/tests/mistakeclassifier.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

namespace {
QString sourceFile(const QString &path)
{
    return QDir(qEnvironmentVariable("EITANGO_SOURCE_DIR")).filePath(path);
}

QString readText(const QString &path)
{
    QFile file(sourceFile(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> tagsOf(const QList<MistakeNote> &notes)
{
    QSet<QString> tags;
    for (const MistakeNote &n : notes)
        tags.insert(n.tag);
    return tags;
}
} // namespace

class TestMistakeClassifier : public QObject {
    Q_OBJECT
private slots:
    // The table is tests/rules/tests/typed-mistakes.tsv, the set eitango_mistake_eval measures.
    void tagsOfLearnersAnswers_data()
    {
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("tags");
        const QStringList lines = readText(QStringLiteral("tests/rules/tests/typed-mistakes.tsv")).split(u'\n');
        int rows = 0;
        for (const QString &line : lines) {
            const QStringList cols = line.split(u'\t');
            if (line.startsWith(u'#') || cols.size() != 4)
                continue;
            QTest::addRow("%s → %s", qPrintable(cols[1]), qPrintable(cols[2]))
                << cols[0] << cols[1] << cols[2] << cols[3].split(u',');
            ++rows;
        }
        QVERIFY2(rows >= 50, "the table of answers is missing");
    }
    void tagsOfLearnersAnswers()
    {
        QFETCH(QString, japanese);
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        QFETCH(QStringList, tags);
        const QList<MistakeNote> notes = MistakeClassifier().classify(japanese, expected, typed);
        QVERIFY(notes.size() <= 2);
        if (tags == QStringList{QStringLiteral("遠い")}) {
            for (const MistakeNote &n : notes)
                QVERIFY2(!MistakeClassifier::isSmallKind(n.tag), qPrintable(n.tag));
            return;
        }
        QCOMPARE(tagsOf(notes), QSet<QString>(tags.begin(), tags.end()));
        QCOMPARE(notes.first().tag, tags.first()); // the main mistake first
    }

    void sentencesNameTheWords_data()
    {
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("note");
        QTest::newRow("fixed word") << "写真を撮りました。" << "I took a picture." << "I took a photo."
                                    << "【語】この教材では「写真」は picture です。";
        QTest::newRow("contraction asked for") << "彼は来ないでしょう（短縮形で）。" << "He won't come." << "He will not come."
                                               << "【短縮形】（短縮形で）とあるので短縮形で書きます（will not → won't）。";
        QTest::newRow("British spelling") << "色" << "color" << "colour" << "【つづり】アメリカ式のつづりで書きます（colour → color）。";
        QTest::newRow("two mistakes") << "彼はテニスをします。" << "He plays tennis." << "He play tennis"
                                      << "【三単現】主語が三人称単数なので「plays」と -s を付けます。　【句読点】最後の「.」がありません。";
        QTest::newRow("right answer") << "犬" << "dog" << "dog" << "";
    }
    void sentencesNameTheWords()
    {
        QFETCH(QString, japanese);
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        QTEST(MistakeClassifier::noteLine(MistakeClassifier().classify(japanese, expected, typed)), "note");
    }

    // Where the right answer does not show whether the word with or without -s is a noun or a
    // verb, neither is claimed.
    void unclearRoleNamesNeitherPluralNorThirdPerson_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("typed");
        QTest::newRow("that at the start") << "That sounds good." << "That sound good.";
        QTest::newRow("going to") << "I am going to school." << "I am going to schools.";
        QTest::newRow("noun phrase inside") << "I gave my sister books." << "I gave my sister book.";
    }
    void unclearRoleNamesNeitherPluralNorThirdPerson()
    {
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        const QSet<QString> tags = tagsOf(MistakeClassifier().classify({}, expected, typed));
        QVERIFY2(!tags.contains(MistakeClassifier::Plural) && !tags.contains(MistakeClassifier::ThirdPerson),
                 qPrintable(QStringList(tags.begin(), tags.end()).join(u',')));
    }

    // Without the word list a real word cannot be told from a misspelling; what needs no
    // dictionary is still named.
    void withoutDictionary()
    {
        const EnglishWords none(QStringLiteral("/nonexistent"));
        QVERIFY(!none.available());
        const MistakeClassifier classifier(none);
        QCOMPARE(MistakeClassifier::tagLine(classifier.classify({}, QStringLiteral("He plays tennis."), QStringLiteral("He play tennis."))),
                 QStringLiteral("【三単現】"));
        QCOMPARE(MistakeClassifier::tagLine(classifier.classify({}, QStringLiteral("friend"), QStringLiteral("freind"))),
                 QStringLiteral("【つづり】"));
    }

    void pastedPageNamesNothing()
    {
        const QString page = QStringLiteral("He plays tennis ").repeated(2000);
        QVERIFY(MistakeClassifier().classify({}, QStringLiteral("He plays tennis."), page).isEmpty());
    }

    // The guide's table of rule 5 and the program's table hold the same rows in the same order.
    void guideAndProgramListTheSameFixedWords()
    {
        QStringList guideRows;
        bool inTable = false;
        for (const QString &line : readText(QStringLiteral("docs/teachers-guide.md")).split(u'\n')) {
            const QString row = line.trimmed();
            if (row == QStringLiteral("| 日本語 | 英語 |")) {
                inTable = true;
            } else if (inTable && row.startsWith(u'|')) {
                const QStringList cells = row.mid(1, row.size() - 2).split(u'|');
                if (!row.startsWith(QStringLiteral("|---")))
                    guideRows << cells.value(0).trimmed() + u'\t' + cells.value(1).trimmed();
            } else if (inTable) {
                break;
            }
        }
        QStringList tableRows;
        for (const FixedWord &w : FixedWords::shared())
            tableRows << w.japanese.join(u'・') + u'\t' + w.english;
        QVERIFY(tableRows.size() > 50);
        QCOMPARE(tableRows, guideRows);
        // What the program holds is the file in docs/, as it is now.
        QCOMPARE(FixedWords::shared().size(), FixedWords::parse(readText(QStringLiteral("docs/fixed-words.tsv"))).size());
    }
};

QTEST_GUILESS_MAIN(TestMistakeClassifier)
#include "tst_mistakeclassifier.moc"
