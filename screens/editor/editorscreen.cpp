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

F_SAKUSEI::F_SAKUSEI(AppContext &context) : Screen(context, ScreenId::Editor)
{
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor green(0, 255, 0);
    const QFont caption = fonts::font(fonts::PGothic, 12, true);
    const QFont buttons = fonts::font(fonts::PGothic, 12);

    Picture1 = new Panel(this, kDarkGrey);
    Picture1->setGeometry(0, 0, 800, 100);
    Label1 = addLabel(Picture1, QString(), {20, 6, 560, 34}, fonts::font(fonts::PGothic, 18, true), QColor(255, 0, 0));
    Label2 = addLabel(Picture1, QString(), {20, 42, 560, 26}, fonts::font(fonts::PGothic, 14, true), green);
    Label4 = addLabel(Picture1, QString(), {20, 70, 560, 26}, fonts::font(fonts::PGothic, 12), white);
    Label2->setToolTip(QStringLiteral("ダブルクリックすると章の名前を書き換えます。"));
    Label4->setToolTip(QStringLiteral("ダブルクリックすると章の題名を書き換えます。"));
    Label30 = addLabel(Picture1, QStringLiteral("全問題数"), {600, 42, 90, 26}, caption, white);
    Label31 = addLabel(Picture1, QString(), {694, 40, 70, 30}, fonts::font(fonts::PGothic, 16, true), yellow);

    Label3 = addLabel(this, QString(), {20, 108, 760, 28}, fonts::font(fonts::PGothic, 13, true), white, kMidGrey);

    Picture2 = new Panel(this, kDarkGrey);
    Picture2->setGeometry(20, 144, 760, 206);
    Label21 = addLabel(Picture2, QString(), {20, 10, 50, 30}, fonts::font(fonts::PGothic, 16, true), yellow);
    Label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label = addLabel(Picture2, QStringLiteral("番目"), {76, 10, 60, 30}, caption, white);
    const QFont boxFont = fonts::font(fonts::PGothic, 14);
    Label20 = addLabel(Picture2, QStringLiteral("英語"), {20, 56, 90, 30}, caption, white);
    Label11 = addLabel(Picture2, QStringLiteral("日本語"), {20, 104, 90, 30}, caption, white);
    Label12 = addLabel(Picture2, QStringLiteral("ダミー"), {20, 152, 90, 30}, caption, white);
    Text1 = new QLineEdit(Picture2);
    Text2 = new QLineEdit(Picture2);
    Text3 = new QLineEdit(Picture2);
    int y = 52;
    for (QLineEdit *box : {Text1, Text2, Text3}) {
        box->setFont(boxFont);
        box->setGeometry(120, y, 620, 36);
        box->setMaxLength(kMaxLineLength);
        y += 48;
    }

    pasteButton = addButton(Picture2, QStringLiteral("貼り付け"), {600, 8, 140, 34}, buttons);
    pasteButton->setToolTip(QStringLiteral("表計算ソフトでコピーした行（英語、日本語、ダミーの列）を、この番号から貼り付けます。"));

    Picture4 = new Panel(this, kDarkGrey);
    Picture4->setGeometry(20, 358, 420, 56);
    Command4 = addButton(Picture4, QStringLiteral("＜＜"), {10, 8, 92, 40}, buttons);
    Command1 = addButton(Picture4, QStringLiteral("＜"), {112, 8, 92, 40}, buttons);
    Command2 = addButton(Picture4, QStringLiteral("＞"), {214, 8, 92, 40}, buttons);
    Command8 = addButton(Picture4, QStringLiteral("＞＞"), {316, 8, 92, 40}, buttons);

    Picture5 = new Panel(this, kDarkGrey);
    Picture5->setGeometry(460, 358, 320, 56);
    Command3 = addButton(Picture5, QStringLiteral("登録する"), {10, 8, 160, 40}, buttons);
    savedLabel = addLabel(Picture5, QString(), {180, 8, 130, 40}, caption, green);

    problemLabel = addLabel(this, QString(), {20, 422, 760, 80}, fonts::font(fonts::PGothic, 10, true), yellow, kDarkGrey);
    problemLabel->setWordWrap(true);
    problemLabel->setIndent(8);
    problemLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    problemLabel->hide();

    Picture9 = new Panel(this, kDarkGrey);
    Picture9->setGeometry(0, 512, 800, 88);
    const QList<QPushButton *> bar = addReturnBar(
        Picture9, {ScreenId::QuestionSelect, ScreenId::ChapterSelect, ScreenId::Menu}, {20, 22, 240, 44}, 260, buttons);
    Command5 = bar[0];
    Command6 = bar[1];
    Command7 = bar[2];

    connect(Command4, &QPushButton::clicked, this, &F_SAKUSEI::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &F_SAKUSEI::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_SAKUSEI::Command2_Click);
    connect(Command8, &QPushButton::clicked, this, &F_SAKUSEI::Command8_Click);
    connect(Command3, &QPushButton::clicked, this, &F_SAKUSEI::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &F_SAKUSEI::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &F_SAKUSEI::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &F_SAKUSEI::Command7_Click);
    connect(pasteButton, &QPushButton::clicked, this, &F_SAKUSEI::pasteButton_Click);
    connect(Label2, &ClickLabel::doubleClicked, this, &F_SAKUSEI::Label2_DblClick);
    connect(Label4, &ClickLabel::doubleClicked, this, &F_SAKUSEI::Label4_DblClick);

    // Text1_Change to Text3_Change: every change goes into the slot shown.
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &t) { editor_.setEng(t); });
    connect(Text2, &QLineEdit::textChanged, this, [this](const QString &t) { editor_.setJpn(t); });
    connect(Text3, &QLineEdit::textChanged, this, [this](const QString &t) { editor_.setThird(t); });
    for (QLineEdit *box : {Text1, Text2, Text3})
        connect(box, &QLineEdit::textEdited, this, &F_SAKUSEI::clearSaved);
    // Text1_KeyPress to Text3_KeyPress: Enter puts no character in and goes between the first two boxes.
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text2->setFocus(); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Text1->setFocus(); });

    Form_Load();
}

void F_SAKUSEI::Form_Load()
{
    if (M.TestKind == 3)
        M.DataDir = kDataDir;
    // JUNBI1, the list of question file names, is levelFileName(n).
    JUNBI2();
    read_ = readChapterSlots(ctx.data, M.KomokuNo);
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

    Command2_Click();
    Label31->setText(QString::number(Q_Total));
    Label21->setText(QString::number(editor_.Slot()));
    Label4->setText(M.KomokuNo >= 1 && M.KomokuNo <= kChapterCount ? Titles.value(M.KomokuNo - 1) : QString());
    showProblems();
}

void F_SAKUSEI::JUNBI2()
{
    Label1->setText(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[size_t(M.TestKind)] : QString());
    Label2->setText(chapterLine(M));
    setWindowTitle(kEditorTitle);
    Label3->setText(QStringLiteral("英単語の修正を行います。"));
}

void F_SAKUSEI::showProblems()
{
    QStringList lines;
    const QString file = ctx.data.displayName(levelFileName(M.KomokuNo));
    if (read_.missing)
        lines << read_.problem + QStringLiteral("「登録する」を押すと、この章のファイルを新しく作ります。");
    else if (read_.unreadable)
        lines << read_.problem + QStringLiteral("この章は登録できません。");
    if (read_.markerAddedAt > 0)
        lines << QStringLiteral("ファイル「%1」は終わりの印「*」の行がないまま終わっていたので、%2番目に「*」を入れました。")
                     .arg(file)
                     .arg(read_.markerAddedAt);
    if (read_.utf8)
        lines << ctx.data.utf8Problem(levelFileName(M.KomokuNo));
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

QString F_SAKUSEI::longLineProblem() const
{
    return QStringLiteral("ファイル「%1」の%2行目は%3文字より長く、ここでは途中までしか表示できません。この章は登録できません。")
        .arg(ctx.data.displayName(levelFileName(M.KomokuNo)))
        .arg(read_.longLine)
        .arg(kMaxLineLength);
}

void F_SAKUSEI::clearSaved() { savedLabel->clear(); }

void F_SAKUSEI::NOTE_N()
{
    const Question shown = editor_.shown();
    Label21->setText(QString::number(editor_.Slot()));
    Text1->setText(shown.eng);
    Text2->setText(shown.jpn);
    Text3->setText(shown.third);
}

void F_SAKUSEI::showSlotAfterMove(bool moved)
{
    if (moved)
        NOTE_N();
    Text1->setFocus();
}

void F_SAKUSEI::Command4_Click() { showSlotAfterMove(editor_.first()); }

void F_SAKUSEI::Command1_Click()
{
    // On slot 1 "＜" leaves even the focus where it is.
    if (editor_.previous())
        showSlotAfterMove(true);
}

void F_SAKUSEI::Command2_Click() { showSlotAfterMove(editor_.next()); }
void F_SAKUSEI::Command8_Click() { showSlotAfterMove(editor_.last()); }

void F_SAKUSEI::Command3_Click() { save(); }

bool F_SAKUSEI::save()
{
    const QString file = ctx.data.displayName(levelFileName(M.KomokuNo));
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
    const ChapterSlots now = readChapterSlots(ctx.data, M.KomokuNo);
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
    const QString problem = writeChapterSlots(ctx.data, M.KomokuNo, merged);
    if (!problem.isEmpty()) {
        ctx.dialogs->inform(this, problem, kEditorTitle);
        return false;
    }
    if (merged != editor_.records()) {
        editor_.setRecords(merged);
        if (editor_.Slot() >= 1)
            NOTE_N();
    }
    saved_ = merged;
    // The file now holds what the boxes show.
    chapterFileMissing_ = false;
    read_.missing = false;
    read_.problem.clear();
    read_.markerAddedAt = 0;
    read_.undecodable = false;
    // What was typed in is code page 932; untouched lines of a UTF-8 file stay as they were.
    read_.utf8 = DataFolder::looksLikeUtf8(ctx.data.read(levelFileName(M.KomokuNo)).bytes);
    read_.linesDropped = false;
    Q_Total = questionCountOf(editor_.records());
    Label31->setText(QString::number(Q_Total));
    savedLabel->setText(kSaved);
    showProblems();
    return true;
}

bool F_SAKUSEI::windowClosing()
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

std::optional<QString> F_SAKUSEI::editChapterText(const QString &file, const QString &defaultText)
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
    const QString problem = writeChapterText(ctx.data, file, texts, M.KomokuNo, *answer);
    if (!problem.isEmpty()) {
        ctx.dialogs->inform(this, problem, kAskTitle);
        return std::nullopt;
    }
    QStringList &lines = file == kChapterNamesFile ? Names : Titles;
    lines = texts.lines;
    lines[M.KomokuNo - 1] = *answer;
    for (const ChapterTexts *read : {&before, &texts}) {
        loadProblems_.removeAll(read->problem);
        loadProblems_.removeAll(read->notice);
    }
    showProblems();
    return answer;
}

// The name and title are written at once. The record slots are not read again: what the
// learner typed and has not saved yet stays in the boxes.
void F_SAKUSEI::Label2_DblClick()
{
    if (M.KomokuNo < 1 || M.KomokuNo > kChapterCount)
        return;
    if (const auto name = editChapterText(kChapterNamesFile, M.LvName[size_t(M.KomokuNo - 1)])) {
        M.LvName[size_t(M.KomokuNo - 1)] = *name;
        Label2->setText(chapterLine(M));
    }
}

void F_SAKUSEI::Label4_DblClick()
{
    if (M.KomokuNo < 1 || M.KomokuNo > kChapterCount)
        return;
    if (const auto title = editChapterText(kChapterTitlesFile, Titles.value(M.KomokuNo - 1)))
        Label4->setText(*title);
}

// The rows go into the slots as if typed there; nothing is written before "登録する".
void F_SAKUSEI::pasteButton_Click()
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
    NOTE_N();
    clearSaved();
    Text1->setFocus();
}

void F_SAKUSEI::Command5_Click() { handOver(ScreenId::QuestionSelect); }
void F_SAKUSEI::Command6_Click() { handOver(ScreenId::ChapterSelect); }

void F_SAKUSEI::Command7_Click() { handOver(ScreenId::Menu); } // the navigator forgets the test kind
