# The Windows installer: belvik-<version>.msi in the build folder, built by wixl (msitools) from
# resources/windows/belvik.wxs. wixl keeps the tables' Chinese texts only in the code page of
# the language it is told the build machine uses, and writes no code page into the database;
# msibuild then stamps GB2312 (936) on it, so Windows Installer reads them right whatever the
# installing machine's own code page.
# scripts/setup.sh windows installs both.
find_program(BELVIK_WIXL wixl REQUIRED)
find_program(BELVIK_MSIBUILD msibuild REQUIRED)

set(BELVIK_MSI ${PROJECT_BINARY_DIR}/belvik-${PROJECT_VERSION}.msi)
set(installer ${PROJECT_SOURCE_DIR}/resources/windows)
# wixl takes the files it packs by paths relative to the folder it runs in.
configure_file(${PROJECT_SOURCE_DIR}/resources/belvik.ico ${PROJECT_BINARY_DIR}/msi/belvik.ico
               COPYONLY)
add_custom_command(
  OUTPUT ${BELVIK_MSI}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:belvik_exe> belvik.exe
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=zh_CN
          ${BELVIK_WIXL} --arch x64 -D Version=${PROJECT_VERSION} -D Exe=belvik.exe
          -D Icon=belvik.ico -o ${BELVIK_MSI} ${installer}/belvik.wxs
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=zh_CN
          ${BELVIK_MSIBUILD} ${BELVIK_MSI} -i ${installer}/_ForceCodepage.idt
  DEPENDS belvik_exe ${installer}/belvik.wxs ${installer}/_ForceCodepage.idt
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/msi
  COMMENT "Building the Windows installer belvik-${PROJECT_VERSION}.msi"
  VERBATIM)
add_custom_target(belvik_msi ALL DEPENDS ${BELVIK_MSI})
