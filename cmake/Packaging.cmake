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

# What Debian asks of every package: the copyright file, the changelog and a manual page, the
# last two compressed as Debian's own tools do it (gzip -9n: no name, no time stamp, so every
# build gives the same bytes).
set(BELVIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${BELVIK_DOC_DIR})
set(belvik_compressed)
foreach(page changelog belvik.1)
  set(page_in ${PROJECT_SOURCE_DIR}/resources/debian/${page})
  if(EXISTS ${page_in}.in)
    set(page_in ${page_in}.in)
  endif()
  configure_file(${page_in} ${PROJECT_BINARY_DIR}/debian/${page} @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/debian/${page}.gz
                     COMMAND gzip -9nkf ${page}
                     WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/debian
                     DEPENDS ${PROJECT_BINARY_DIR}/debian/${page}
                     VERBATIM)
  list(APPEND belvik_compressed ${PROJECT_BINARY_DIR}/debian/${page}.gz)
endforeach()
add_custom_target(belvik_package_pages ALL DEPENDS ${belvik_compressed})
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${BELVIK_DOC_DIR})
install(FILES ${PROJECT_BINARY_DIR}/debian/belvik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME belvik)
set(CPACK_PACKAGE_VENDOR "Fenmoor")
set(CPACK_PACKAGE_CONTACT "Fenmoor <belvik@fenmoor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "saving and retirement calculator (Simplified Chinese)")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "A small desktop calculator for personal saving and retirement planning:
periodic investment, pension need, present value and lump-sum growth, with a
Simplified-Chinese interface.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface is Chinese; without a CJK font every caption would be boxes, and without Qt's
# translations the message boxes' buttons and the context menus would be English. fonts-noto-cjk
# holds the serif Noto Serif CJK SC as well as the sans faces, so the result box gets its Song
# face from it too. Print-outs use WenQuanYi Micro Hei, whose PDF text copies back as written.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-wqy-microhei, qt6-translations-l10n")
include(CPack)
