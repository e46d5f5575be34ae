// Label writes: the text, its view, then the Change event.
#include "platform/label.h"

namespace gus {

void Label::setCaption(std::string text) {
    if (killed_) return;
    caption_ = std::move(text);
    if (view_) view_->captionChanged(caption_);
    if (onChange_) onChange_();
}

}  // namespace gus
