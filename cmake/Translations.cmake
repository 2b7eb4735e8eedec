# The window's translations: translations/kt-m40_<code>.ts (English is the source text in the code), compiled
# by Qt's lrelease into .qm files that are built into the core library (so that every program and test
# finds them) and installed beside the program (so that a translator can try a new .qm without building).
set(KT_LANGUAGES ja de fr es it)
find_program(KT_LRELEASE NAMES lrelease lrelease-qt6
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin)
find_program(KT_LUPDATE NAMES lupdate lupdate-qt6
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin)
if(NOT KT_LRELEASE)
  message(FATAL_ERROR "Qt's lrelease not found: install qt6-l10n-tools (make deps does)")
endif()

set(KT_QM_DIR ${CMAKE_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${KT_QM_DIR})
set(KT_QM_FILES "")
foreach(code ${KT_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/kt-m40_${code}.ts)
  set(qm ${KT_QM_DIR}/kt-m40_${code}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${KT_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND KT_QM_FILES ${qm})
endforeach()
set_source_files_properties(${KT_QM_FILES} PROPERTIES GENERATED TRUE)
qt_add_resources(kt-m40-core kt-m40-translations PREFIX /i18n BASE ${KT_QM_DIR} FILES ${KT_QM_FILES})
