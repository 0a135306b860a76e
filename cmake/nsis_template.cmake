# The installer speaks the system's language, Bulgarian or English: CPack's own
# NSIS template, with its English messages, the uninstaller's shortcut name
# and the finish page's command made language strings or mended, and without
# its page of PATH and desktop options, which a game needs neither of. Each
# change must find its place: a CMake whose template differs stops here.
set(template "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in")
file(READ "${template}" text)

function(morveta_nsis_replace from to)
    string(FIND "${text}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${template} has changed: no \"${from}\" in it")
    endif()
    string(REPLACE "${from}" "${to}" replaced "${text}")
    set(text "${replaced}" PARENT_SCOPE)
endfunction()

morveta_nsis_replace(
    [=["@CPACK_NSIS_PACKAGE_NAME@ is already installed. $\n$\nDo you want to uninstall the old version before installing the new one?"]=]
    [=["$(MorvetaAlreadyInstalled)"]=])
morveta_nsis_replace([=["Uninstall failed."]=] [=["$(MorvetaUninstallFailed)"]=])
# The uninstaller's shortcut in the installing user's language. The
# installer records the name it gave it (packaging.cmake), and the
# uninstaller, which may run in another language, removes that name.
morveta_nsis_replace([=[$STARTMENU_FOLDER\Uninstall.lnk"]=]
    [=[$STARTMENU_FOLDER\$(MorvetaUninstallLink).lnk"]=])
morveta_nsis_replace([=[  Delete "$SMPROGRAMS\$MUI_TEMP\Uninstall.lnk"]=]
    [=[  StrCmp $MorvetaUninstallLink "" +2
  Delete "$SMPROGRAMS\$MUI_TEMP\$MorvetaUninstallLink"]=])
morveta_nsis_replace([=[  Page custom InstallOptionsPage
]=] "")
# The program stands in the installation folder itself: no "\.\" before it.
morveta_nsis_replace([=[@CPACK_NSIS_INSTALLER_MUI_FINISHPAGE_RUN_CODE@]=]
    [=[!define MUI_FINISHPAGE_RUN "$INSTDIR\@CPACK_NSIS_MUI_FINISHPAGE_RUN@"]=])
morveta_nsis_replace([=[  !insertmacro MUI_LANGUAGE "Welsh"
]=] [=[  !insertmacro MUI_LANGUAGE "Welsh"

  LangString MorvetaAlreadyInstalled ${LANG_ENGLISH} "@CPACK_NSIS_PACKAGE_NAME@ is already installed.$\n$\nUninstall the old version before installing the new one?"
  LangString MorvetaAlreadyInstalled ${LANG_BULGARIAN} "@CPACK_NSIS_PACKAGE_NAME@ вече е инсталирана.$\n$\nДа бъде ли премахната старата версия преди инсталирането на новата?"
  LangString MorvetaUninstallFailed ${LANG_ENGLISH} "The old version could not be uninstalled."
  LangString MorvetaUninstallFailed ${LANG_BULGARIAN} "Старата версия не може да бъде премахната."
  LangString MorvetaUninstallLink ${LANG_ENGLISH} "Uninstall @CPACK_NSIS_PACKAGE_NAME@"
  LangString MorvetaUninstallLink ${LANG_BULGARIAN} "Премахване на @CPACK_NSIS_PACKAGE_NAME@"
]=])

# Written as it stands: CPack fills in its variables when it packs.
set(output "${PROJECT_BINARY_DIR}/nsis/NSIS.template.in")
set(old "")
if(EXISTS "${output}")
    file(READ "${output}" old)
endif()
if(NOT old STREQUAL text)
    file(WRITE "${output}" "${text}")
endif()
list(PREPEND CMAKE_MODULE_PATH "${PROJECT_BINARY_DIR}/nsis")
