# Installation into the usual Linux places and a Debian package built by CPack.
include(GNUInstallDirs)

install(TARGETS belvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/${BELVIK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/resources/linux/${BELVIK_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${BELVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${BELVIK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icon/hicolor/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_PACKAGE_NAME belvik)
set(CPACK_PACKAGE_VENDOR "Fenmoor")
set(CPACK_PACKAGE_CONTACT "Fenmoor <belvik@fenmoor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "saving and retirement calculator (Simplified Chinese)")
set(CPACK_PACKAGE_DESCRIPTION "A small desktop calculator for personal saving and retirement \
planning: periodic investment, pension need, present value and lump-sum growth, with a \
Simplified-Chinese interface.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface is Chinese; without a CJK font every caption would be boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
include(CPack)
