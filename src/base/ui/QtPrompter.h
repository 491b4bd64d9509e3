// The prompting interface shown as Qt message boxes and input dialogs.
#pragma once

#include "base/Prompter.h"

class QWidget;

namespace zn::base::ui {

class QtPrompter : public Prompter {
public:
    /// `parent` may be null; the caption of every box is `title` (the application's name).
    QtPrompter(QWidget* parent, std::string title) : parent_(parent), title_(std::move(title)) {}
    Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    void Tell(const std::string& text, Severity severity) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;

private:
    QWidget* parent_;
    std::string title_;
};

} // namespace zn::base::ui
