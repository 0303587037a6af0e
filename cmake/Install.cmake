# The installed layout: both programs in bin/, the engine libraries in
# lib/tovrane (the engine looks there as well as beside the program), the
# help in share/tovrane (Help looks there too), the desktop entry, icon,
# AppStream metadata and manual page where desktops and man expect them, and
# the file-manager actions where Dolphin and Nemo look for them.
# `cpack -G DEB` packs the same tree.
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

# The licence, where Debian keeps it: share/doc/<package>/copyright.
install(FILES packaging/copyright DESTINATION share/doc/tovrane)
install(FILES docs/tovrane-batch.1 DESTINATION share/man/man1)

set(CPACK_PACKAGE_NAME tovrane)
set(CPACK_PACKAGE_VENDOR "Tovrane")
set(CPACK_PACKAGE_CONTACT "Tovrane developers <tovrane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch archiving: each selected file into a zip archive of its own")
set(CPACK_PACKAGE_DESCRIPTION
    "Tovrane packs each selected file or folder into a zip archive of its own, re-zips, tests and unzips archives, and offers file tools (CRC-32 report, duplicate finder, trimming, renaming). tovrane-batch runs the same batches from scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window needs a platform plugin, which no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
