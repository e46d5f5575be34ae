// A text label with a Caption and a Change event; a view (widget or log) mirrors it.
#pragma once

#include <functional>
#include <string>

namespace gus {

class LabelView {
  public:
    virtual ~LabelView() = default;
    virtual void captionChanged(const std::string& caption) = 0;
};

class Label {
  public:
    explicit Label(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    // Every write raises Change, even of the text already shown: a player who asks twice
    // wants to hear the answer twice.
    void setCaption(std::string text);

    void setOnChange(std::function<void()> fn) { onChange_ = std::move(fn); }
    void setView(LabelView* view) { view_ = view; }
    // The window is gone: later writes have no effect.
    void kill() {
        killed_ = true;
        view_ = nullptr;
    }

  private:
    std::string name_;
    std::string caption_;
    std::function<void()> onChange_;
    LabelView* view_ = nullptr;
    bool killed_ = false;
};

}  // namespace gus
