# The program file's version record and icon: resources/belvik.rc.in configured from the same
# project() as the window caption, written to `output`.
function(belvik_configure_version_record output)
  set(BELVIK_ICON_FILE ${PROJECT_SOURCE_DIR}/resources/belvik.ico)
  # Written as the file version record writes it: 1.00.0006, minor in two digits and revision
  # in four.
  math(EXPR minor "100 + ${PROJECT_VERSION_MINOR}")
  math(EXPR revision "10000 + ${PROJECT_VERSION_PATCH}")
  string(SUBSTRING ${minor} 1 2 minor)
  string(SUBSTRING ${revision} 1 4 revision)
  set(BELVIK_FILE_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")
  configure_file(${PROJECT_SOURCE_DIR}/resources/belvik.rc.in ${output} @ONLY)
endfunction()
