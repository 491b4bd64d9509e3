// The file names a second start hands to the running editor, kept under Software\KVHTML\ToOpen.
#pragma once

#include <string>
#include <vector>

namespace zn::app {

class SettingsStore;

/// Writes the names as the string values "0", "1", ... in order, in one step. Values left by
/// a hand-off that was never taken are removed first, so they are not opened now. Returns
/// false when the store refused the change.
bool WriteHandOff(SettingsStore& store, const std::vector<std::string>& names);

/// The receiving side: reads the values "0" ... N-1 (N the number of values the key holds),
/// deleting each as it is read, and returns the names in order. The key is empty afterwards.
std::vector<std::string> TakeHandOff(SettingsStore& store);

/// Removes whatever a hand-off left in the key (the running editor did not take it in time).
void ClearHandOff(SettingsStore& store);

} // namespace zn::app
