#include "rules/select/chaptercursor.h"

#include "files/questionbank.h"
#include "rules/paletteindex.h"

int blockOfChapter(int chapter)
{
    if (chapter <= kBlockSize)
        return 1;
    return chapter <= 2 * kBlockSize ? 2 : 3;
}

int firstChapterOf(int block) { return (block - 1) * kBlockSize + 1; }
int lastChapterOf(int block) { return block * kBlockSize; }

void ChapterCursor::load(int &chosenChapter, int &chapterBlock)
{
    if (chapterBlock < 1 || chapterBlock > kBlocks)
        chapterBlock = 1;
    if (chosenChapter < 1)
        chosenChapter = 1;
    if (chosenChapter > kChapterCount)
        chosenChapter = kChapterCount;
    block_ = chapterBlock;
    // The two are always set together; should they ever disagree, show the chapter's
    // block so that the highlight is never on a hidden row.
    if (blockOfChapter(chosenChapter) != block_)
        block_ = blockOfChapter(chosenChapter);
    highlight(chosenChapter);
}

bool ChapterCursor::finished(int chapter) const
{
    return chapter >= 1 && chapter <= kChapterCount && Kanryo[size_t(chapter - 1)];
}

void ChapterCursor::showBlock(int block)
{
    static constexpr int captionColours[kBlocks] = {pal::Green, pal::Cyan, pal::Yellow};
    if (block < 1 || block > kBlocks)
        return;
    block_ = block;
    captionColour_ = captionColours[block - 1];
    moveTo(firstChapterOf(block));
}

void ChapterCursor::highlight(int chapter)
{
    buffer_.clear();
    curNo_ = chapter >= 1 && chapter <= kChapterCount ? chapter : 0;
}

void ChapterCursor::moveTo(int chapter) { curNo_ = chapter; }

int ChapterCursor::blockOfCursor() const
{
    // No highlight (0) moves in the first block.
    return blockOfChapter(curNo_ < 1 ? 1 : curNo_);
}

void ChapterCursor::space()
{
    const int block = blockOfCursor();
    moveTo(curNo_ == lastChapterOf(block) ? firstChapterOf(block) : curNo_ + 1);
}

void ChapterCursor::down()
{
    if (curNo_ != lastChapterOf(blockOfCursor()))
        moveTo(curNo_ + 1);
}

void ChapterCursor::up()
{
    if (curNo_ > firstChapterOf(blockOfCursor()))
        moveTo(curNo_ - 1);
}

void ChapterCursor::typeDigit(QChar digit)
{
    if (digit < u'0' || digit > u'9')
        return;
    buffer_.append(digit);
    if (buffer_.size() < 2)
        return; // one digit waits for the next
    const int value = buffer_.toInt();
    if (value >= 1 && value <= kChapterCount) {
        showBlock(blockOfChapter(value));
        highlight(value);
    } else if (value >= 81 && value <= 80 + kBlocks) {
        showBlock(value - 80);
        buffer_.clear();
    } else {
        buffer_.clear();
    }
}

std::optional<int> ChapterCursor::enter() const
{
    if (curNo_ >= 1 && curNo_ <= kChapterCount)
        return curNo_;
    return std::nullopt;
}

QString ChapterCursor::numberText(int chapter) const
{
    return nameVisible(chapter) ? QString::number(chapter) : QString();
}

int ChapterCursor::nameColour(int chapter) const
{
    if (chapter == curNo_)
        return pal::Green;
    return finished(chapter) ? pal::Grey : pal::White;
}

int ChapterCursor::numberColour(int chapter) const { return finished(chapter) ? pal::Silver : pal::White; }

QString ChapterCursor::blockCaption() const
{
    switch (block_) {
    case 2:
        return QStringLiteral("２１章から４０章まで");
    case 3:
        return QStringLiteral("４１章から６０章まで");
    default:
        return QStringLiteral("１章から２０章まで");
    }
}

QRect ChapterCursor::nameGeometry(int chapter, int width)
{
    const int row = chapter - firstChapterOf(blockOfChapter(chapter));
    return {8, 10 + 24 * row, width, 20};
}

QRect ChapterCursor::numberGeometry(int chapter)
{
    // Right-aligned numbers whose right edges meet: one digit starts at 16, two at 8.
    const int row = chapter - firstChapterOf(blockOfChapter(chapter));
    const int left = chapter <= 9 ? 16 : 8;
    return {left, 76 + 24 * row, 32 - left, 20};
}
