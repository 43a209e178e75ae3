#pragma once
// The rules of the chapter list, without widgets: which block of 20 chapters is shown,
// which chapter is highlighted (CurNo), the two typed digits waiting in typedDigits, the
// finished marks (Kanryo), and the colours and positions the list computes from them.
#include "files/questionbank.h"
#include "rules/paletteindex.h"

#include <QString>
#include <QRect>
#include <array>
#include <optional>

inline constexpr int kBlockSize = 20;
inline constexpr int kBlocks = 3;

// Block 1 holds chapters 1 to 20, block 2 21 to 40, block 3 41 to 60.
int blockOfChapter(int chapter);
int firstChapterOf(int block);
int lastChapterOf(int block);

class ChapterCursor {
public:
    // loadScreen: opens on the block and chapter last chosen. The block comes from
    // chapterBlock (1 when it is not 1 to 3), the chapter from chosenChapter (1 when below 1);
    // both are corrected in place, as the shared state keeps them.
    void load(int &chosenChapter, int &chapterBlock);

    // Kanryo: chapter n (1 to 60) is finished.
    void setFinished(const std::array<bool, kChapterCount> &finished) { Kanryo = finished; }
    bool finished(int chapter) const;

    // onFirstBlockButtonClicked to onThirdBlockButtonClicked (and F1 to F3): shows the block and highlights its
    // first chapter; the digit buffer stays as it is.
    void showBlock(int block);
    // onChapterNameClicked: highlights the chapter (CurNo 0 for anything outside 1 to 60) and
    // empties the digit buffer.
    void highlight(int chapter);

    // Space: one down, from the block's last chapter back to its first.
    void space();
    // Down arrow: one down, stopping at the block's last chapter.
    void down();
    // Up arrow: one up, stopping at the block's first chapter.
    void up();
    // A digit key; two digits "01" to "60" highlight that chapter (showing its block),
    // "81" to "83" show block 1 to 3, any other pair is dropped.
    void typeDigit(QChar digit);
    // Enter: the chapter to choose, when one is highlighted.
    std::optional<int> enter() const;

    int CurNo() const { return curNo_; }
    int shownBlock() const { return block_; }
    const QString &buffer() const { return buffer_; } // the text of typedDigits

    // What the list shows.
    bool nameVisible(int chapter) const { return blockOfChapter(chapter) == block_; }
    QString numberText(int chapter) const; // decimal chapter number in the shown block, else empty
    int nameColour(int chapter) const;     // palette colour of chapterNames(n)
    int numberColour(int chapter) const;   // palette colour of chapterNumbers(n)
    QString blockCaption() const;          // the text of blockLabel
    int blockCaptionColour() const { return captionColour_; }

    // Positions inside the panels that hold the labels (pixels); one row every 24.
    static QRect nameGeometry(int chapter, int width);
    static QRect numberGeometry(int chapter);

private:
    int blockOfCursor() const; // the block that the arrows and Space move in
    void moveTo(int chapter);  // highlight without touching the digit buffer

    int curNo_ = 0;
    int block_ = 1;
    int captionColour_ = pal::Green; // blockLabel keeps its designed green until a block button
    QString buffer_;
    std::array<bool, kChapterCount> Kanryo{};
};
