// Test doubles for the link operations: a file dialog and a prompter that record what they saw.
#pragma once

#include "base/FileDialog.h"
#include "base/Prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace zn::test {

/// Chooses `choice` (or cancels when it is empty) and keeps how it was prepared.
class ScriptedFileDialog : public zn::base::FileDialog {
public:
    std::string fileName;
    std::string initialDir;
    std::optional<std::string> choice;
    int shown = 0;

    std::string FileName() const override { return fileName; }
    void SetFileName(const std::string& name) override { fileName = name; }
    void SetInitialDir(const std::string& folder) override { initialDir = folder; }
    bool Execute() override {
        ++shown;
        if (!choice) {
            return false;
        }
        fileName = *choice;
        return true;
    }
};

/// A scripted prompter that also keeps the captions and starting texts of its input boxes.
class RecordingPrompter : public base::ScriptedPrompter {
public:
    struct Input {
        std::string caption;
        std::string initial;
    };
    std::vector<Input> inputBoxes;

    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override {
        inputBoxes.push_back({caption, initial});
        return ScriptedPrompter::InputLine(caption, prompt, initial);
    }
};

} // namespace zn::test
