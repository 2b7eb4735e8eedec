# Installing and packaging: `make install` (PREFIX) and `make package` (a Debian package through CPack).
# Both programs, the desktop entry and its icons, the AppStream metadata, the manual pages (made by help2man
# from the programs' own --help and --version) and the bash completion of kt-m40-cli.
include(GNUInstallDirs)
# installing does not build: `make install` and `make package` build first, and the package check runs on
# what `make test` has built
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(KT_APP_ID io.github.ktm40.KtM40)
set(KT_RELEASE_DATE 2026-12-06) # the date of the release named by project(VERSION)
set(KT_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(KT_GENERATED ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${KT_GENERATED}/man)

set(APP_ID ${KT_APP_ID})
set(RELEASE_DATE ${KT_RELEASE_DATE})
configure_file(${KT_PACKAGING}/metainfo.xml.in ${KT_GENERATED}/${KT_APP_ID}.metainfo.xml @ONLY)
configure_file(${KT_PACKAGING}/kt-m40.desktop ${KT_GENERATED}/${KT_APP_ID}.desktop COPYONLY)

# PNG icons drawn by the program's own icon code
add_executable(kt-m40-render-icon ${KT_PACKAGING}/RenderIcon.cpp)
target_link_libraries(kt-m40-render-icon PRIVATE kt-m40-app)
add_custom_command(OUTPUT ${KT_GENERATED}/icons/256x256/apps/kt-m40.png
  COMMAND kt-m40-render-icon ${KT_GENERATED}/icons
  DEPENDS kt-m40-render-icon VERBATIM)

# Manual pages from --help and --version; kt-m40-cli's lists every command with its own --help
find_program(HELP2MAN help2man)
if(HELP2MAN)
  add_custom_command(OUTPUT ${KT_GENERATED}/man/kt-m40-cli.1 ${KT_GENERATED}/man/kt-m40-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kt-m40-cli> -DTEMPLATE=${KT_PACKAGING}/kt-m40-cli.h2m
            -DOUT=${KT_GENERATED}/kt-m40-cli.h2m -P ${KT_PACKAGING}/ManCommands.cmake
    COMMAND ${HELP2MAN} --no-info --section=1 "--name=the KT-M40 clone utility on the command line"
            --include=${KT_GENERATED}/kt-m40-cli.h2m --output=${KT_GENERATED}/man/kt-m40-cli.1
            $<TARGET_FILE:kt-m40-cli>
    COMMAND gzip -9nkf ${KT_GENERATED}/man/kt-m40-cli.1
    DEPENDS kt-m40-cli ${KT_PACKAGING}/kt-m40-cli.h2m ${KT_PACKAGING}/ManCommands.cmake VERBATIM)
  add_custom_command(OUTPUT ${KT_GENERATED}/man/kt-m40.1 ${KT_GENERATED}/man/kt-m40.1.gz
    COMMAND ${HELP2MAN} --no-info --section=1 "--name=the KT-M40 clone utility"
            --include=${KT_PACKAGING}/kt-m40.h2m --output=${KT_GENERATED}/man/kt-m40.1 $<TARGET_FILE:kt-m40>
    COMMAND gzip -9nkf ${KT_GENERATED}/man/kt-m40.1
    DEPENDS kt-m40 ${KT_PACKAGING}/kt-m40.h2m VERBATIM)
  set(KT_MAN_PAGES ${KT_GENERATED}/man/kt-m40.1.gz ${KT_GENERATED}/man/kt-m40-cli.1.gz)
else()
  message(WARNING "help2man not found: no manual pages (make deps installs it)")
endif()
add_custom_target(kt-m40-dist-files ALL DEPENDS ${KT_GENERATED}/icons/256x256/apps/kt-m40.png ${KT_MAN_PAGES})

install(TARGETS kt-m40 kt-m40-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# `kt-m40-cli print` hands over to this one (it links Qt Gui, which the other commands do without)
install(TARGETS kt-m40-cli-print RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kt-m40)
install(FILES ${KT_GENERATED}/${KT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KT_GENERATED}/${KT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KT_PACKAGING}/kt-m40.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${KT_GENERATED}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${KT_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# the window's translations (also built into the program; an installed copy is read first)
install(FILES ${KT_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kt-m40/translations)
install(FILES ${KT_PACKAGING}/kt-m40-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME kt-m40-cli)
# The clone file's type (by extension and first line), which the desktop entry opens. The system's own
# trigger brings the package's MIME database up to date; `make install` runs update-mime-database itself.
install(FILES ${KT_PACKAGING}/kt-m40-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME kt-m40.xml)

# The Debian package: its dependencies are the shared libraries the programs link, found by dpkg-shlibdeps
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kt-m40)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KT-M40 Clone Utility developers <kt-m40@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clone utility for the Korvan KT-M40 HF transceiver")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Clone utility for the Korvan KT-M40 HF transceiver\n Reads, edits, backs up and restores the radio's memory over its serial cable: 604\n channels, two VFOs and 29 settings; clone files and CSV channel lists. A desktop\n program (kt-m40) and a command-line tool (kt-m40-cli) with a virtual radio.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# the window program needs Qt's platform plugins, which it loads at run time rather than links
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own texts for its standard dialogs in the window's language, and bash's completion framework that loads
# the tool's completion: welcome, not needed
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, bash-completion")
set(CPACK_STRIP_FILES ON)
include(CPack)

# The checks of the installed files and the package, run by ctest
add_test(NAME package_checks
  COMMAND bash ${KT_PACKAGING}/check-package.sh ${CMAKE_BINARY_DIR} ${KT_APP_ID} ${PROJECT_VERSION})
set_tests_properties(package_checks PROPERTIES TIMEOUT 900
  ENVIRONMENT "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config")
