// Questions and messages to the user, behind one small interface so tests can answer them.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zn::base {

enum class Answer { Ok, Yes, No, Cancel, All };
/// YesNoCancelAll adds a button "Vše" that answers All.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoCancelAll };
enum class Severity { Information, Question, Warning, Error };

/// All texts are UTF-8. Dialogs are modal; the answer tells which button was pressed (closing the
/// box counts as Cancel, or as No when there is no Cancel button).
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Ask(const std::string& text, Buttons buttons,
                       Severity severity = Severity::Question) = 0;
    /// A message with an OK button.
    virtual void Tell(const std::string& text, Severity severity = Severity::Information) = 0;
    /// A one-line input box; nothing when cancelled.
    virtual std::optional<std::string> InputLine(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) = 0;
};

/// A prompter for tests: answers from a queue (Yes, No, Cancel, …; Ok when the queue is empty)
/// and keeps every text it was shown.
class ScriptedPrompter : public Prompter {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputs;
    std::vector<std::string> shown;

    Answer Ask(const std::string& text, Buttons, Severity) override {
        shown.push_back(text);
        if (answers.empty()) {
            return Answer::Ok;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Tell(const std::string& text, Severity) override { shown.push_back(text); }
    std::optional<std::string> InputLine(const std::string&, const std::string& prompt,
                                         const std::string&) override {
        shown.push_back(prompt);
        if (inputs.empty()) {
            return std::nullopt;
        }
        auto value = inputs.front();
        inputs.pop_front();
        return value;
    }
};

} // namespace zn::base
