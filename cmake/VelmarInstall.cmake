# The installed program: `cmake --install` (`make install PREFIX=…`) and the Debian
# package of CPack (`make package`).
#
#   bin/velmar, bin/velmar-cli
#   share/velmar/                      the compiled data set (untFoldery finds it there)
#   share/applications/velmar.desktop  with the two translator and two dictionary modes
#   share/icons/hicolor/scalable/apps/velmar.svg
#   share/man/man1/velmar-cli.1        written from velmar-cli's own help
#   share/bash-completion/completions/velmar-cli
#   share/doc/velmar/                  the README and the data licences
include(GNUInstallDirs)

set(VELMAR_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS velmar velmar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

get_directory_property(velmar_data_outputs DIRECTORY data DEFINITION velmar_data_outputs)
install(FILES ${velmar_data_outputs} DESTINATION ${CMAKE_INSTALL_DATADIR}/velmar)

install(FILES ${VELMAR_PACKAGING_DIR}/velmar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMAR_PACKAGING_DIR}/velmar.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VELMAR_PACKAGING_DIR}/velmar-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME velmar-cli)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/DATA-LICENSES
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmar)

# The manual page, remade whenever velmar-cli is.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(velmar_man_page ${CMAKE_BINARY_DIR}/velmar-cli.1)
add_custom_command(
  OUTPUT ${velmar_man_page}
  COMMAND ${Python3_EXECUTABLE} ${VELMAR_PACKAGING_DIR}/velmar-cli-man.py $<TARGET_FILE:velmar-cli> ${velmar_man_page}
  DEPENDS velmar-cli ${VELMAR_PACKAGING_DIR}/velmar-cli-man.py
  COMMENT "Writing the manual page of velmar-cli"
  VERBATIM)
add_custom_target(velmar_man ALL DEPENDS ${velmar_man_page})
install(FILES ${velmar_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. Its library dependencies come from dpkg-shlibdeps; LibreOffice
# only converts word-processor documents, so it is recommended, not required.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Velmar")
set(CPACK_PACKAGE_CONTACT "Velmar developers <velmar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French-Polish translator and bilingual dictionary")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Velmar translates running text French to Polish and Polish to French by rule-based\n"
  "analysis and synthesis with full inflection, and is a French-Polish and Polish-French\n"
  "dictionary with inflection tables, spell checking, user dictionaries and a sentence\n"
  "archive. velmar-cli gives the same engine on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer-nogui, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
