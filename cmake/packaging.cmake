# Installing the programs and their manual pages, and the Debian package made with CPack.
include(GNUInstallDirs)

install(TARGETS qor pym vek zif trivelanko RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES man/qor.6 man/pym.6 man/vek.6 man/zif.6 man/trivelanko.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabliczka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tabliczka <tabliczka@localhost>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "tabliczka mnożenia: quizy i ćwiczenia / multiplication table practice")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Programy do ćwiczenia tabliczki mnożenia w terminalu, z tekstem po polsku:
menu trivelanko, quizy z punktami qor (do stu) i pym (do dwudziestu pięciu)
oraz ćwiczenia bez punktów vek i zif, które po błędzie zostają przy tym samym
pytaniu.
.
Console programs for practising the multiplication table, with all their text
in Polish: the menu trivelanko, the scored quizzes qor (products up to a
hundred) and pym (up to twenty-five), and vek and zif for practice without
points, which ask a missed question again until it is answered right.")
include(CPack)
