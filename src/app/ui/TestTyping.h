// A hook for tests that run the editor as a separate process: text typed into the active
// document as key presses, right after the first showing.
#pragma once

namespace zn::app::ui {

class TMainForm;

/// When the environment variable ZNACKAR_TEST_TYPE is set, its text (ASCII) is typed into the
/// active document once the window is shown, one key event per character. Nothing otherwise.
void TypeFromEnvironment(TMainForm& form);

} // namespace zn::app::ui
