# The Windows program's folder: the executable with its icon, and beside it the Qt and MinGW
# libraries, the plugins Qt loads (platform, style), Qt's Hungarian dialog texts and the user
# guides in docs/. CPack makes of it a zip that runs from any folder and an NSIS installer
# with a Start-menu entry, the .pax file type and an uninstaller.
configure_file(solva-tx.rc.in ${CMAKE_CURRENT_BINARY_DIR}/solva-tx.rc @ONLY)
target_sources(solva-tx PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/solva-tx.rc)

foreach(library Core Gui Widgets SerialPort)
    install(FILES $<TARGET_FILE:Qt6::${library}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    install(FILES ${path} DESTINATION .)
endforeach()
find_file(SOLVA_QTBASE_HU qtbase_hu.qm REQUIRED NO_CMAKE_FIND_ROOT_PATH
          PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS} /usr/share/qt6/translations)
install(FILES ${SOLVA_QTBASE_HU} DESTINATION translations)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_VERBATIM_VARIABLES ON)  # the NSIS lines below go in as written
set(CPACK_PACKAGE_FILE_NAME solva-tx-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY SOLVA-TX)
# A 64-bit installer for the 64-bit program, into the 64-bit Program Files.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME SOLVA-TX)
set(CPACK_NSIS_DISPLAY_NAME SOLVA-TX)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/solva-tx.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/solva-tx.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME solva-tx.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The Start-menu entry starts the program in the user's documents rather than in the
# program's folder; started so (or from Explorer) it keeps its settings in the user's own
# data folder.
set(CPACK_NSIS_CREATE_ICONS_EXTRA [=[
    SetOutPath "$DOCUMENTS"
    CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\SOLVA-TX.lnk" "$INSTDIR\solva-tx.exe"
    SetOutPath "$INSTDIR"
]=])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [=[
    Delete "$SMPROGRAMS\$MUI_TEMP\SOLVA-TX.lnk"
]=])
# .pax files show the program's icon and open in it (for all users when installed as
# administrator, else for the user).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
    WriteRegStr SHCTX "Software\Classes\.pax" "" "SOLVA-TX.pax"
    WriteRegStr SHCTX "Software\Classes\SOLVA-TX.pax" "" "SOLVA-TX map"
    WriteRegStr SHCTX "Software\Classes\SOLVA-TX.pax\DefaultIcon" "" "$INSTDIR\solva-tx.exe,0"
    WriteRegStr SHCTX "Software\Classes\SOLVA-TX.pax\shell\open\command" "" '"$INSTDIR\solva-tx.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
# The uninstaller does not know which of the two the installer wrote to.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
    ReadRegStr $0 HKLM "Software\Classes\.pax" ""
    StrCmp $0 "SOLVA-TX.pax" 0 +2
    DeleteRegKey HKLM "Software\Classes\.pax"
    DeleteRegKey HKLM "Software\Classes\SOLVA-TX.pax"
    ReadRegStr $0 HKCU "Software\Classes\.pax" ""
    StrCmp $0 "SOLVA-TX.pax" 0 +2
    DeleteRegKey HKCU "Software\Classes\.pax"
    DeleteRegKey HKCU "Software\Classes\SOLVA-TX.pax"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
