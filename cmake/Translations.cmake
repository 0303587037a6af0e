# The window program's translations. `cmake --build build --target
# translations` refreshes translations/*.ts from the sources with lupdate
# (new texts arrive unfinished, texts gone from the sources are dropped);
# every build turns them into .qm files with lrelease, in bin/translations
# beside the program, where an uninstalled build finds them, and the
# install puts them in share/tovrane/translations.
#
# The tools come from Debian's qt6-l10n-tools, which has no CMake package of
# its own, so they are found as programs in Qt's folder of host tools.
set(TOVRANE_LANGUAGES de fr)

find_program(TOVRANE_LUPDATE NAMES lupdate lupdate-qt6
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}"
        /usr/lib/qt6/bin REQUIRED)
find_program(TOVRANE_LRELEASE NAMES lrelease lrelease-qt6
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}"
        /usr/lib/qt6/bin REQUIRED)

set(TOVRANE_TS_FILES)
set(TOVRANE_QM_FILES)
set(TOVRANE_QM_FOLDER ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
foreach(language ${TOVRANE_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/tovrane_${language}.ts)
  set(qm ${TOVRANE_QM_FOLDER}/tovrane_${language}.qm)
  list(APPEND TOVRANE_TS_FILES ${ts})
  list(APPEND TOVRANE_QM_FILES ${qm})
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TOVRANE_QM_FOLDER}
    COMMAND ${TOVRANE_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    VERBATIM)
endforeach()
add_custom_target(tovrane_translations ALL DEPENDS ${TOVRANE_QM_FILES})

# The whole source tree is read: tovrane-batch and the engine libraries call
# no translation function, so they add nothing. Locations are left out, so
# that an edit elsewhere in a file does not touch every translation file.
add_custom_target(translations
  COMMAND ${TOVRANE_LUPDATE} -silent -recursive -no-obsolete -locations none
          -extensions cpp,h ${CMAKE_SOURCE_DIR}/src -ts ${TOVRANE_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Refreshing translations/*.ts from the sources"
  VERBATIM)

install(FILES ${TOVRANE_QM_FILES} DESTINATION share/tovrane/translations)
