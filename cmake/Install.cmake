# The installed layout: both programs in bin/, the engine libraries in
# lib/tovrane (the engine looks there as well as beside the program), the
# help in share/tovrane (Help looks there too), the desktop entry, icon,
# AppStream metadata, manual pages, bash completion and file-manager actions
# where desktops, man, bash and file managers expect them, and the copyright
# and changelog where Debian expects them. `cpack -G DEB` packs the same tree.
set(TOVRANE_APP_ID org.tovrane.Tovrane)

install(TARGETS tovrane tovrane-batch RUNTIME DESTINATION bin)
install(TARGETS zezip zeunzip LIBRARY DESTINATION lib/tovrane)
install(FILES docs/help.html docs/main-window.png DESTINATION share/tovrane)
install(FILES packaging/${TOVRANE_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${TOVRANE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/${TOVRANE_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)

# Dolphin's service menus and Nemo's actions: "Zip each file", "Zip each
# folder", "Unzip each archive here" and "Test archives" through
# tovrane-batch --notify.
file(GLOB TOVRANE_SERVICE_MENUS ${CMAKE_SOURCE_DIR}/packaging/filemanager/*.desktop)
file(GLOB TOVRANE_NEMO_ACTIONS ${CMAKE_SOURCE_DIR}/packaging/filemanager/*.nemo_action)
install(FILES ${TOVRANE_SERVICE_MENUS} DESTINATION share/kio/servicemenus)
install(FILES ${TOVRANE_NEMO_ACTIONS} DESTINATION share/nemo/actions)

# Manual pages and the changelog compressed at build time.
set(TOVRANE_GZIPPED)
foreach(source docs/tovrane.1 docs/tovrane-batch.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gz
    COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_SOURCE_DIR}/${source} -DOUTPUT=${output}
            -P ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
    VERBATIM)
  list(APPEND TOVRANE_GZIPPED ${output})
endforeach()
add_custom_target(tovrane_gzipped_docs ALL DEPENDS ${TOVRANE_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/gz/tovrane.1.gz ${CMAKE_BINARY_DIR}/gz/tovrane-batch.1.gz
        DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/gz/changelog.gz DESTINATION share/doc/tovrane)

# The licence, where Debian keeps it: share/doc/<package>/copyright.
install(FILES packaging/copyright DESTINATION share/doc/tovrane)

# Completion of commands and options for bash.
install(FILES packaging/tovrane-batch.bash-completion DESTINATION share/bash-completion/completions
        RENAME tovrane-batch)

set(CPACK_PACKAGE_NAME tovrane)
set(CPACK_PACKAGE_VENDOR "Tovrane")
set(CPACK_PACKAGE_CONTACT "The Tovrane developers <suggestions@tovrane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch archiver: each file into a zip archive of its own")
# The extended description in lines of at most 80 characters; CPack puts the
# summary above it and a space before each line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tovrane packs each selected file or folder into a zip archive of its own,
re-zips, tests and unzips archives, and offers file tools: a CRC-32 report,
a duplicate finder, trimming and template renaming. tovrane-batch runs the
same batches from scripts, and file-manager actions for Dolphin and Nemo
run them on the selected files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tovrane.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window needs a platform plugin, which no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations give the standard dialog buttons the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebWithoutLdconfig.cmake)
include(CPack)
