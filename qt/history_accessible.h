#pragma once

// Screen readers see the history as a list whose items are its lines.
namespace qtgui {

class HistoryList;

// Installs, once, the accessibility factory for HistoryList.
void registerHistoryAccessibility();

// Lets go of the interfaces of the list's lines, as when it is cleared.
void forgetHistoryItems(HistoryList& list);

} // namespace qtgui
