# `cmake --install build/... --prefix DIR`: the programs, the Today item
# libraries where a first start looks for them (lib/dayvane beside bin/), and
# desktop entries with icons so that both appear in an application menu.
include(GNUInstallDirs)
install(TARGETS Dayvane dayvane-today dayvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Vanecal Vanetask LIBRARY DESTINATION lib/dayvane)
install(FILES resources/desktop/dayvane.desktop resources/desktop/dayvane-today.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/art/app-icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME dayvane.svg)
install(FILES today/calendar/vanecal.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME dayvane-today.svg)
