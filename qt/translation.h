#pragma once

class QCoreApplication;

namespace qtgui {

// Qt's own texts (the text boxes' menus, for one) in Bulgarian, whatever the
// system's language, as every text of the game is. False when Qt's Bulgarian
// translation is not installed; the texts then stay as Qt has them.
bool installBulgarianQtTexts(QCoreApplication& application);

} // namespace qtgui
