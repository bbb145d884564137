# Installing the programs, and the packages made with CPack: on Windows a zip of the six
# programs with a short Polish read-me, each program carrying its icon and version
# information; elsewhere the programs with their manual pages, the menu's desktop entry, its
# icon and its AppStream metadata, and a Debian package.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME tabliczka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The name the desktop, the icon theme and software centres know the menu by.
set(TABLICZKA_APP_ID pl.tabliczka.Trivelanko)

if(WIN32)
  # Each program with the icon (rendered from desktop/icons/scalable by desktop/render_icons.sh)
  # and its version information, in Polish, compiled by windres.
  enable_language(RC)
  set(ICON ${PROJECT_SOURCE_DIR}/cmake/windows/tabliczka.ico)
  foreach(entry
          "trivelanko|Tabliczka mnożenia: menu"
          "qor|Tabliczka mnożenia: quiz z punktami, wyniki do stu"
          "pym|Tabliczka mnożenia: quiz z punktami, wyniki do dwudziestu pięciu"
          "vek|Tabliczka mnożenia: ćwiczenie bez punktów, wyniki do stu"
          "zif|Tabliczka mnożenia: ćwiczenie bez punktów, wyniki do dwudziestu pięciu"
          "postepy|Tabliczka mnożenia: postępy klasy dla nauczyciela")
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 PROGRAM)
    list(GET entry 1 DESCRIPTION)
    configure_file(cmake/windows/program.rc.in ${PROJECT_BINARY_DIR}/resources/${PROGRAM}.rc
                   @ONLY)
    target_sources(${PROGRAM} PRIVATE ${PROJECT_BINARY_DIR}/resources/${PROGRAM}.rc)
    set_property(SOURCE ${PROJECT_BINARY_DIR}/resources/${PROGRAM}.rc TARGET_DIRECTORY ${PROGRAM}
                 APPEND PROPERTY OBJECT_DEPENDS ${ICON})
  endforeach()

  # Everything side by side in one folder: the menu finds the quiz programs beside it.
  install(TARGETS qor pym vek zif trivelanko postepy RUNTIME DESTINATION .)

  # Notepad opens UTF-8 with a byte order mark as UTF-8 on every Windows, whatever its own
  # code page; line ends are CR LF, as every Windows editor expects.
  file(READ ${PROJECT_SOURCE_DIR}/cmake/windows/CZYTAJ.TXT readme)
  string(CONFIGURE "${readme}" readme @ONLY)
  string(REPLACE "\n" "\r\n" readme "${readme}")
  string(ASCII 239 187 191 byte_order_mark)
  file(WRITE ${PROJECT_BINARY_DIR}/CZYTAJ.TXT "${byte_order_mark}${readme}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/cmake/windows/CZYTAJ.TXT)
  install(FILES ${PROJECT_BINARY_DIR}/CZYTAJ.TXT DESTINATION .)

  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tabliczka-${PROJECT_VERSION}-windows)
  include(CPack)
  return()
endif()

# As Debian's own drill games: programs in games/, manual pages in section 6.
set(TABLICZKA_INSTALL_PROGRAMDIR games CACHE STRING
    "Where the programs are installed, relative to the prefix")
install(TARGETS qor pym vek zif trivelanko postepy
        RUNTIME DESTINATION ${TABLICZKA_INSTALL_PROGRAMDIR})

# The manual pages and the changelog go out compressed, without a name or a time stamp in
# the gzip header, so the same sources always give the same bytes.
set(compressed)
foreach(source man/qor.6 man/pym.6 man/vek.6 man/zif.6 man/trivelanko.6 man/postepy.6
               cmake/debian/changelog)
  get_filename_component(name ${source} NAME)
  set(output ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${output}
                     COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${source} > ${output}
                     DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed ${output})
endforeach()
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/compressed)
add_custom_target(compressed_documents ALL DEPENDS ${compressed})
list(FILTER compressed INCLUDE REGEX "\\.6\\.gz$")
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# For the desktop: the menu's entry, its icon (the drawing and its renderings, made by
# desktop/render_icons.sh) and what software centres show of it. The entry starts the menu by
# its full path, written as it is installed, so it works from whatever prefix the desktop reads
# entries from (~/.local too), whether or not the programs' folder is on the desktop's PATH.
# A path with a space or another character the entry's Exec key reserves goes in quotes, with
# `"`, `$`, `` ` `` and `\` escaped, each escape written twice, as a string value's are. Its
# actions (the desktop's right-click menu) start vek by its full path the same way, for practice
# of multiplication and of division.
set(desktop_entry_code [[
  foreach(program trivelanko vek)
    string(TOUPPER ${program} PROGRAM)
    set(${PROGRAM} "${CMAKE_INSTALL_PREFIX}/@TABLICZKA_INSTALL_PROGRAMDIR@/${program}")
    string(REPLACE "%" "%%" ${PROGRAM} "${${PROGRAM}}")
    if(${PROGRAM} MATCHES "[ \t\n\"'\\\\<>~|&;$*?#()`]")
      string(REPLACE "\\" "\\\\\\\\" ${PROGRAM} "${${PROGRAM}}")
      foreach(reserved "\"" "`" "$")
        string(REPLACE "${reserved}" "\\\\${reserved}" ${PROGRAM} "${${PROGRAM}}")
      endforeach()
      set(${PROGRAM} "\"${${PROGRAM}}\"")
    endif()
  endforeach()
  set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_DATADIR@/applications")
  set(entry "${entry}/@TABLICZKA_APP_ID@.desktop")
  message(STATUS "Installing: ${entry}")
  configure_file("@PROJECT_SOURCE_DIR@/desktop/@TABLICZKA_APP_ID@.desktop.in" "${entry}" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
]])
string(CONFIGURE "${desktop_entry_code}" desktop_entry_code @ONLY)
install(CODE "${desktop_entry_code}")
foreach(size scalable 48x48 256x256)
  file(GLOB icon desktop/icons/${size}/${TABLICZKA_APP_ID}.*)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES desktop/${TABLICZKA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The machine-readable copyright file, with the licence text of LICENSE: each line indented
# by one space, an empty line written as " .".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE license_lines)
set(LICENSE_PARAGRAPHS)
foreach(line IN LISTS license_lines)
  if(line STREQUAL "")
    string(APPEND LICENSE_PARAGRAPHS " .\n")
  else()
    string(APPEND LICENSE_PARAGRAPHS " ${line}\n")
  endif()
endforeach()
string(STRIP "${LICENSE_PARAGRAPHS}" LICENSE_PARAGRAPHS)
set(LICENSE_PARAGRAPHS " ${LICENSE_PARAGRAPHS}")
configure_file(cmake/debian/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tabliczka <tabliczka@example.org>")
# The libraries the programs link come from what they are linked with: libc6, and libutf8proc2
# for the names of the class list (dpkg-shlibdeps finds both).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "multiplication table quizzes and drills in Polish")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Programy do ćwiczenia tabliczki mnożenia w terminalu, z tekstem po polsku:
menu trivelanko, quizy z punktami qor (do stu) i pym (do dwudziestu pięciu)
oraz ćwiczenia bez punktów vek i zif, które po błędzie zostają przy tym samym
pytaniu; postepy pokazuje nauczycielowi postępy uczniów.
.
Console programs for practising the multiplication table, with all their text
in Polish: the menu trivelanko, the scored quizzes qor (products up to a
hundred) and pym (up to twenty-five), and vek and zif for practice without
points, which ask a missed question again until it is answered right; postepy
shows a teacher the learners' progress.")
include(CPack)
