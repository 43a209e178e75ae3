#include "screens/kit/navigator.h"

#include "screens/kit/appcontext.h"
#include "screens/kit/screen.h"

namespace {
// What a hand-over resets of the shared state. Returning to the menu forgets the test kind
// (but for the print screen, which keeps it, and the score sheet, opened without one), so
// does the menu's score sheet button; leaving a test starts the next one in file order.
struct HandOverRule {
    ScreenId from;
    ScreenId to;
    void (*reset)(SharedState &);
};

void forgetTestKind(SharedState &m) { m.TestKind = 0; }
void inFileOrder(SharedState &m)
{
    m.RandomMode = 0;
    m.WeakMode = 0;
}

constexpr HandOverRule kHandOverRules[] = {
    {ScreenId::ChapterSelect, ScreenId::Menu, forgetTestKind},
    {ScreenId::QuestionSelect, ScreenId::Menu, forgetTestKind},
    {ScreenId::Note, ScreenId::Menu, forgetTestKind},
    {ScreenId::Editor, ScreenId::Menu, forgetTestKind},
    {ScreenId::Menu, ScreenId::ScoreSheet, forgetTestKind},
    {ScreenId::Menu, ScreenId::Record, forgetTestKind},
    {ScreenId::Record, ScreenId::Menu, forgetTestKind},
    {ScreenId::ChoiceTest, ScreenId::QuestionSelect, inFileOrder},
    {ScreenId::ChoiceTest, ScreenId::ChapterSelect, inFileOrder},
    {ScreenId::WordTest, ScreenId::QuestionSelect, inFileOrder},
    {ScreenId::WordTest, ScreenId::ChapterSelect, inFileOrder},
};
} // namespace

Navigator::Navigator(AppContext &ctx, ScreenFactory factory) : ctx_(ctx), factory_(std::move(factory))
{
    ctx_.navigator = this;
}

Screen *Navigator::current() const
{
    return current_;
}

Screen *Navigator::start(ScreenId first)
{
    current_ = factory_(first, ctx_);
    current_->show();
    emit screenShown(current_);
    return current_;
}

Screen *Navigator::handOver(Screen *source, ScreenId target)
{
    if (source) {
        for (const HandOverRule &rule : kHandOverRules) {
            if (rule.from == source->id() && rule.to == target)
                rule.reset(ctx_.state);
        }
    }
    Screen *next = factory_(target, ctx_);
    if (source)
        next->move(source->pos());
    current_ = next;
    next->show();
    if (source && source != next)
        source->closeHandedOver();
    emit screenShown(next);
    return next;
}
