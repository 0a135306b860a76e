# The packages: the Debian package of the Qt program (cpack -G DEB), the
# Windows program's installer and zip (cpack -G NSIS, cpack -G ZIP), and the
# web page's zip (cpack -G ZIP).
configure_file(cmake/package_time.cmake.in ${PROJECT_BINARY_DIR}/package_time.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/package_time.cmake)

# cpack -G DEB builds a Debian package that installs with apt.
set(CPACK_PACKAGE_NAME morveta)
set(CPACK_PACKAGE_VERSION ${MORVETA_VERSION})
set(CPACK_PACKAGE_VENDOR Morveta)
set(CPACK_PACKAGE_CONTACT "Morveta <morveta@morveta.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Камък, ножица, хартия срещу компютъра")
set(CPACK_PACKAGE_DESCRIPTION "Rock, paper, scissors against the computer, in Bulgarian, in one
window of a fixed size. The computer keeps changing its pick; you answer with
a move. Each round is written to a history list and scored: 2 points for a
win, 1 for a draw, 0 for a loss.")
if(MORVETA_FRONTEND STREQUAL qt)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    # The Windows program is stripped as it is linked: stripping it again
    # would stamp the time into its header.
    set(CPACK_STRIP_FILES ON)
endif()
# Values reach CPack as they are written here, quotes and all.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The serif face the window's font falls back to first, Qt's own texts in
# Bulgarian (the text boxes' menus), and Qt's Wayland plugin, without which
# the game cannot start on a desktop that runs Wayland alone.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.morveta.example/)

if(MORVETA_FRONTEND STREQUAL win32)
    # cpack -G NSIS: a 64-bit installer into Program Files with a Start-menu
    # shortcut, the licence, a finish page that can start the game, an
    # uninstaller that leaves nothing of ours, and an entry in Add/Remove Programs.
    # cpack -G ZIP: the program and its licence, to run from anywhere.
    set(CPACK_GENERATOR NSIS ZIP)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Morveta)
    set(CPACK_PACKAGE_EXECUTABLES morveta Morveta)
    # The program stands in the installation folder itself, not in bin\.
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN morveta.exe)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    # The footer names the game, not the tool that made the installer.
    # Files keep no build time in the installer (they take the time they are
    # installed). The vendor's key, Software\Morveta, outlives the uninstaller's
    # own clean-up, which removes only the product's key within it: it goes once
    # all is done.
    # The uninstaller takes the name of the shortcut to itself from what the
    # installer recorded, not from the language it runs in.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode
BrandingText \"Morveta ${MORVETA_VERSION}\"
SetDateSave off
Var MorvetaUninstallLink
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX \"Software\\Morveta\"
FunctionEnd")
    set(CPACK_NSIS_PACKAGE_NAME Morveta)
    set(CPACK_NSIS_DISPLAY_NAME Morveta)
    set(CPACK_NSIS_INSTALLED_ICON_NAME morveta.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/win32/morveta.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/win32/morveta.ico)
    set(CPACK_NSIS_URL_INFO_ABOUT https://www.morveta.example/)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Morveta)
    # Windows reads NoModify and NoRepair as numbers; CPack writes strings.
    set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morveta")
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"NoModify\" 1
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"NoRepair\" 1
  WriteRegStr SHCTX \"${uninstall_key}\" \"MorvetaUninstallLink\" \"$(MorvetaUninstallLink).lnk\"")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  ReadRegStr $MorvetaUninstallLink SHCTX \"${uninstall_key}\" \"MorvetaUninstallLink\"")

    set(CPACK_PACKAGE_FILE_NAME morveta-${MORVETA_VERSION}-win64)
    include(${CMAKE_CURRENT_LIST_DIR}/nsis_template.cmake)
endif()

if(MORVETA_FRONTEND STREQUAL web)
    # cpack -G ZIP: the page, its script and icon, and the licence, in one
    # folder to open or to serve.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME morveta-${MORVETA_VERSION}-web)
endif()
include(CPack)
