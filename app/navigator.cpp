#include "app/navigator.h"

#include "app/appcontext.h"
#include "app/screen.h"

Navigator::Navigator(AppContext &ctx, ScreenFactory factory) : ctx_(ctx), factory_(std::move(factory))
{
    ctx_.navigator = this;
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
