#pragma once

// Screen readers see the history as a list whose items are its lines.
namespace ui::qt {

// Installs, once, the accessibility factory for HistoryList.
void registerHistoryAccessibility();

} // namespace ui::qt
