#include "screens/editor/editorscreen.h"

#include "files/coursefiles.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/uikit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kEditorTitle = QStringLiteral("英単語の修正");
const QString kAskPrompt = QStringLiteral("書き換えるデーターを入れてください");
const QString kAskTitle = QStringLiteral("登録・変更");
const QString kSaved = QStringLiteral("登録しました。");
} // namespace

EditorScreen::EditorScreen(AppContext &context) : Screen(context, ScreenId::Editor)
{
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor green(0, 255, 0);
    const QFont caption = fonts::font(fonts::PGothic, 12, true);
    const QFont buttons = fonts::font(fonts::PGothic, 12);

    headerPanel = new Panel(this, kDarkGrey);
    headerPanel->setGeometry(0, 0, 800, 100);
    testKindLabel = addLabel(headerPanel, QString(), {20, 6, 560, 34}, fonts::font(fonts::PGothic, 18, true), QColor(255, 0, 0));
    chapterLabel = addLabel(headerPanel, QString(), {20, 42, 560, 26}, fonts::font(fonts::PGothic, 14, true), green);
    titleLabel = addLabel(headerPanel, QString(), {20, 70, 560, 26}, fonts::font(fonts::PGothic, 12), white);
    chapterLabel->setToolTip(QStringLiteral("ダブルクリックすると章の名前を書き換えます。"));
    titleLabel->setToolTip(QStringLiteral("ダブルクリックすると章の題名を書き換えます。"));
    totalCaption = addLabel(headerPanel, QStringLiteral("全問題数"), {600, 42, 90, 26}, caption, white);
    totalNumber = addLabel(headerPanel, QString(), {694, 40, 70, 30}, fonts::font(fonts::PGothic, 16, true), yellow);

    instructionLabel = addLabel(this, QString(), {20, 108, 760, 28}, fonts::font(fonts::PGothic, 13, true), white, kMidGrey);

    slotPanel = new Panel(this, kDarkGrey);
    slotPanel->setGeometry(20, 144, 760, 206);
    slotNumber = addLabel(slotPanel, QString(), {20, 10, 50, 30}, fonts::font(fonts::PGothic, 16, true), yellow);
    slotNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    slotCaption = addLabel(slotPanel, QStringLiteral("番目"), {76, 10, 60, 30}, caption, white);
    const QFont boxFont = fonts::font(fonts::PGothic, 14);
    englishCaption = addLabel(slotPanel, QStringLiteral("英語"), {20, 56, 90, 30}, caption, white);
    japaneseCaption = addLabel(slotPanel, QStringLiteral("日本語"), {20, 104, 90, 30}, caption, white);
    thirdCaption = addLabel(slotPanel, QStringLiteral("ダミー"), {20, 152, 90, 30}, caption, white);
    englishBox = new QLineEdit(slotPanel);
    japaneseBox = new QLineEdit(slotPanel);
    thirdBox = new QLineEdit(slotPanel);
    int y = 52;
    for (QLineEdit *box : {englishBox, japaneseBox, thirdBox}) {
        box->setFont(boxFont);
        box->setGeometry(120, y, 620, 36);
        box->setMaxLength(kMaxLineLength);
        y += 48;
    }

    pasteButton = addButton(slotPanel, QStringLiteral("貼り付け"), {600, 8, 140, 34}, buttons);
    pasteButton->setToolTip(QStringLiteral("表計算ソフトでコピーした行（英語、日本語、ダミーの列）を、この番号から貼り付けます。"));

    moveBar = new Panel(this, kDarkGrey);
    moveBar->setGeometry(20, 358, 420, 56);
    firstSlotButton = addButton(moveBar, QStringLiteral("＜＜"), {10, 8, 92, 40}, buttons);
    previousSlotButton = addButton(moveBar, QStringLiteral("＜"), {112, 8, 92, 40}, buttons);
    nextSlotButton = addButton(moveBar, QStringLiteral("＞"), {214, 8, 92, 40}, buttons);
    lastSlotButton = addButton(moveBar, QStringLiteral("＞＞"), {316, 8, 92, 40}, buttons);

    saveBar = new Panel(this, kDarkGrey);
    saveBar->setGeometry(460, 358, 320, 56);
    saveButton = addButton(saveBar, QStringLiteral("登録する"), {10, 8, 160, 40}, buttons);
    savedLabel = addLabel(saveBar, QString(), {180, 8, 130, 40}, caption, green);

    problemLabel = addLabel(this, QString(), {20, 422, 760, 80}, fonts::font(fonts::PGothic, 10, true), yellow, kDarkGrey);
    problemLabel->setWordWrap(true);
    problemLabel->setIndent(8);
    problemLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    problemLabel->hide();

    returnBar = new Panel(this, kDarkGrey);
    returnBar->setGeometry(0, 512, 800, 88);
    const QList<QPushButton *> bar = addReturnBar(
        returnBar, {ScreenId::QuestionSelect, ScreenId::ChapterSelect, ScreenId::Menu}, {20, 22, 240, 44}, 260, buttons);
    questionSelectButton = bar[0];
    chapterSelectButton = bar[1];
    menuButton = bar[2];

    connect(firstSlotButton, &QPushButton::clicked, this, &EditorScreen::onFirstSlotButtonClicked);
    connect(previousSlotButton, &QPushButton::clicked, this, &EditorScreen::onPreviousSlotButtonClicked);
    connect(nextSlotButton, &QPushButton::clicked, this, &EditorScreen::onNextSlotButtonClicked);
    connect(lastSlotButton, &QPushButton::clicked, this, &EditorScreen::onLastSlotButtonClicked);
    connect(saveButton, &QPushButton::clicked, this, &EditorScreen::onSaveButtonClicked);
    connect(questionSelectButton, &QPushButton::clicked, this, &EditorScreen::onQuestionSelectButtonClicked);
    connect(chapterSelectButton, &QPushButton::clicked, this, &EditorScreen::onChapterSelectButtonClicked);
    connect(menuButton, &QPushButton::clicked, this, &EditorScreen::onMenuButtonClicked);
    connect(pasteButton, &QPushButton::clicked, this, &EditorScreen::onPasteButtonClicked);
    connect(chapterLabel, &ClickLabel::doubleClicked, this, &EditorScreen::onChapterLabelDoubleClicked);
    connect(titleLabel, &ClickLabel::doubleClicked, this, &EditorScreen::onTitleLabelDoubleClicked);

    // onEnglishBoxChanged to onThirdBoxChanged: every change goes into the slot shown.
    connect(englishBox, &QLineEdit::textChanged, this, [this](const QString &t) { editor_.setEng(t); });
    connect(japaneseBox, &QLineEdit::textChanged, this, [this](const QString &t) { editor_.setJpn(t); });
    connect(thirdBox, &QLineEdit::textChanged, this, [this](const QString &t) { editor_.setThird(t); });
    for (QLineEdit *box : {englishBox, japaneseBox, thirdBox})
        connect(box, &QLineEdit::textEdited, this, &EditorScreen::clearSaved);
    // onEnglishBoxKeyPressed to onThirdBoxKeyPressed: Enter puts no character in and goes between the first two boxes.
    connect(englishBox, &QLineEdit::returnPressed, this, [this] { japaneseBox->setFocus(); });
    connect(japaneseBox, &QLineEdit::returnPressed, this, [this] { englishBox->setFocus(); });

    loadScreen();
}

void EditorScreen::loadScreen()
{
    if (M.TestKind == 3)
        M.DataDir = kDataDir;
    // showTitleLines, the list of question file names, is levelFileName(n).
    showTitleLines();
    read_ = readChapterSlots(ctx.data, M.chosenChapter);
    chapterFileMissing_ = read_.missing;
    Q_Total = read_.questionCount;
    editor_ = QuestionEditor(read_.records);
    saved_ = editor_.records();

    loadProblems_.clear();
    for (const QString &file : {kChapterNamesFile, kChapterTitlesFile}) {
        const ChapterTexts texts = readChapterTexts(ctx.data, file);
        (file == kChapterNamesFile ? Names : Titles) = texts.lines;
        for (const QString &text : {texts.problem, texts.notice}) {
            if (!text.isEmpty())
                loadProblems_.append(text);
        }
    }

    onNextSlotButtonClicked();
    totalNumber->setText(QString::number(Q_Total));
    slotNumber->setText(QString::number(editor_.Slot()));
    titleLabel->setText(M.chosenChapter >= 1 && M.chosenChapter <= kChapterCount ? Titles.value(M.chosenChapter - 1) : QString());
    showProblems();
}

void EditorScreen::showTitleLines()
{
    testKindLabel->setText(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[size_t(M.TestKind)] : QString());
    chapterLabel->setText(chapterLine(M));
    setWindowTitle(kEditorTitle);
    instructionLabel->setText(QStringLiteral("英単語の修正を行います。"));
}

void EditorScreen::showProblems()
{
    QStringList lines;
    const QString file = ctx.data.displayName(levelFileName(M.chosenChapter));
    if (read_.missing)
        lines << read_.problem + QStringLiteral("「登録する」を押すと、この章のファイルを新しく作ります。");
    else if (read_.unreadable)
        lines << read_.problem + QStringLiteral("この章は登録できません。");
    if (read_.markerAddedAt > 0)
        lines << QStringLiteral("ファイル「%1」は終わりの印「*」の行がないまま終わっていたので、%2番目に「*」を入れました。")
                     .arg(file)
                     .arg(read_.markerAddedAt);
    if (read_.utf8)
        lines << ctx.data.utf8Problem(levelFileName(M.chosenChapter));
    if (read_.undecodable)
        lines << QStringLiteral("ファイル「%1」にShift_JISとして読めない文字があり、「\uFFFD」と表示しています。その文字を直すまで登録できません。")
                     .arg(file);
    if (read_.longLine > 0)
        lines << longLineProblem();
    if (read_.linesDropped)
        lines << QStringLiteral("ファイル「%1」の151行目から後にある行は、登録すると消えます。").arg(file);
    lines << loadProblems_;
    problemLabel->setText(lines.join(u'\n'));
    problemLabel->setVisible(!lines.isEmpty());
}

QString EditorScreen::longLineProblem() const
{
    return QStringLiteral("ファイル「%1」の%2行目は%3文字より長く、ここでは途中までしか表示できません。この章は登録できません。")
        .arg(ctx.data.displayName(levelFileName(M.chosenChapter)))
        .arg(read_.longLine)
        .arg(kMaxLineLength);
}

void EditorScreen::clearSaved() { savedLabel->clear(); }

void EditorScreen::showSlot()
{
    const Question shown = editor_.shown();
    slotNumber->setText(QString::number(editor_.Slot()));
    englishBox->setText(shown.eng);
    japaneseBox->setText(shown.jpn);
    thirdBox->setText(shown.third);
}

void EditorScreen::showSlotAfterMove(bool moved)
{
    if (moved)
        showSlot();
    englishBox->setFocus();
}

void EditorScreen::onFirstSlotButtonClicked() { showSlotAfterMove(editor_.first()); }

void EditorScreen::onPreviousSlotButtonClicked()
{
    // On slot 1 "＜" leaves even the focus where it is.
    if (editor_.previous())
        showSlotAfterMove(true);
}

void EditorScreen::onNextSlotButtonClicked() { showSlotAfterMove(editor_.next()); }
void EditorScreen::onLastSlotButtonClicked() { showSlotAfterMove(editor_.last()); }

void EditorScreen::onSaveButtonClicked() { save(); }

bool EditorScreen::save()
{
    const QString file = ctx.data.displayName(levelFileName(M.chosenChapter));
    if (read_.unreadable) {
        ctx.dialogs->inform(this, read_.problem + QStringLiteral("この章は登録できません。"), kEditorTitle);
        return false;
    }
    if (read_.longLine > 0) {
        ctx.dialogs->inform(this, longLineProblem(), kEditorTitle);
        return false;
    }
    if (chapterFileMissing_
        && !ctx.dialogs->confirm(this, QStringLiteral("ファイル「%1」はまだありません。この章を新しく作りますか？").arg(file),
                                 kEditorTitle))
        return false;
    // Read again right before the write, after any question: what changed in the file since
    // it was read stays, but in the slots the learner changed.
    const ChapterSlots now = readChapterSlots(ctx.data, M.chosenChapter);
    if (now.unreadable) {
        ctx.dialogs->inform(this, now.problem + QStringLiteral("この章は登録できません。"), kEditorTitle);
        return false;
    }
    if (now.longLine > 0) {
        read_.longLine = now.longLine;
        ctx.dialogs->inform(this, longLineProblem(), kEditorTitle);
        showProblems();
        return false;
    }
    const QList<Question> merged = now.missing ? editor_.records() : mergedSlots(now.records, saved_, editor_.records());
    const QString problem = writeChapterSlots(ctx.data, M.chosenChapter, merged);
    if (!problem.isEmpty()) {
        ctx.dialogs->inform(this, problem, kEditorTitle);
        return false;
    }
    if (merged != editor_.records()) {
        editor_.setRecords(merged);
        if (editor_.Slot() >= 1)
            showSlot();
    }
    saved_ = merged;
    // The file now holds what the boxes show.
    chapterFileMissing_ = false;
    read_.missing = false;
    read_.problem.clear();
    read_.markerAddedAt = 0;
    read_.undecodable = false;
    // What was typed in is code page 932; untouched lines of a UTF-8 file stay as they were.
    read_.utf8 = DataFolder::looksLikeUtf8(ctx.data.read(levelFileName(M.chosenChapter)).bytes);
    read_.linesDropped = false;
    Q_Total = questionCountOf(editor_.records());
    totalNumber->setText(QString::number(Q_Total));
    savedLabel->setText(kSaved);
    showProblems();
    return true;
}

bool EditorScreen::windowClosing()
{
    if (!hasUnsavedEdits())
        return true;
    switch (ctx.dialogs->askUnsaved(this, QStringLiteral("保存されていない変更があります。"), kEditorTitle)) {
    case Dialogs::Unsaved::Save:
        return save();
    case Dialogs::Unsaved::Discard:
        return true;
    case Dialogs::Unsaved::Cancel:
        break;
    }
    return false;
}

std::optional<QString> EditorScreen::editChapterText(const QString &file, const QString &defaultText)
{
    const ChapterTexts before = readChapterTexts(ctx.data, file);
    if (!before.rewritable()) {
        ctx.dialogs->inform(this, before.problem, kAskTitle);
        return std::nullopt;
    }
    const std::optional<QString> answer = ctx.dialogs->askText(this, kAskPrompt, kAskTitle, defaultText);
    if (!answer)
        return std::nullopt; // cancelled: the old text stays
    if (before.missing
        && !ctx.dialogs->confirm(this, QStringLiteral("ファイル「%1」がありません。新しく作りますか？").arg(ctx.data.displayName(file)),
                                 kAskTitle))
        return std::nullopt;
    // Read again now that the questions are answered: the other lines are written back as
    // they are now, not as they were before the input box opened.
    const ChapterTexts texts = readChapterTexts(ctx.data, file);
    const QString problem = writeChapterText(ctx.data, file, texts, M.chosenChapter, *answer);
    if (!problem.isEmpty()) {
        ctx.dialogs->inform(this, problem, kAskTitle);
        return std::nullopt;
    }
    QStringList &lines = file == kChapterNamesFile ? Names : Titles;
    lines = texts.lines;
    lines[M.chosenChapter - 1] = *answer;
    for (const ChapterTexts *read : {&before, &texts}) {
        loadProblems_.removeAll(read->problem);
        loadProblems_.removeAll(read->notice);
    }
    showProblems();
    return answer;
}

// The name and title are written at once. The record slots are not read again: what the
// learner typed and has not saved yet stays in the boxes.
void EditorScreen::onChapterLabelDoubleClicked()
{
    if (M.chosenChapter < 1 || M.chosenChapter > kChapterCount)
        return;
    if (const auto name = editChapterText(kChapterNamesFile, M.chapterNames[size_t(M.chosenChapter - 1)])) {
        M.chapterNames[size_t(M.chosenChapter - 1)] = *name;
        chapterLabel->setText(chapterLine(M));
    }
}

void EditorScreen::onTitleLabelDoubleClicked()
{
    if (M.chosenChapter < 1 || M.chosenChapter > kChapterCount)
        return;
    if (const auto title = editChapterText(kChapterTitlesFile, Titles.value(M.chosenChapter - 1)))
        titleLabel->setText(*title);
}

// The rows go into the slots as if typed there; nothing is written before "登録する".
void EditorScreen::onPasteButtonClicked()
{
    const QString title = QStringLiteral("貼り付け");
    const QuestionEditor::Paste plan = editor_.planPaste(QGuiApplication::clipboard()->text());
    if (!plan.problem.isEmpty()) {
        ctx.dialogs->inform(this, plan.problem, title);
        return;
    }
    QString question = QStringLiteral("%1番目から%2問を貼り付けます。").arg(plan.from).arg(plan.rows.size());
    if (!plan.notice.isEmpty())
        question += u'\n' + plan.notice;
    if (!ctx.dialogs->confirm(this, question, title))
        return;
    editor_.paste(plan);
    showSlot();
    clearSaved();
    englishBox->setFocus();
}

void EditorScreen::onQuestionSelectButtonClicked() { handOver(ScreenId::QuestionSelect); }
void EditorScreen::onChapterSelectButtonClicked() { handOver(ScreenId::ChapterSelect); }

void EditorScreen::onMenuButtonClicked() { handOver(ScreenId::Menu); } // the navigator forgets the test kind
