# Install rules and the Debian packages (scripts/balicek.sh, or cpack in the build
# directory): zelkovar with the stripped programs, zelkovar-dbgsym with their debug
# information, found by gdb through the programs' build ids.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME program)
install(TARGETS zelkovar zelkovar-nastroj RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES app/Zelkovar.html DESTINATION ${ZELKOVAR_DATA_DIR})
# The guides of the people around the program and the station template they start from.
install(FILES docs/spravce.md docs/skolitel.md docs/prebiraci-misto.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelkovar)
install(FILES examples/vzor-stanice.json DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelkovar/examples)
install(FILES app/zelkovar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES app/example.zelkovar.Zelkovar.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES app/zelkovar.svg DESTINATION ${ZELKOVAR_IKONY_DIR}/scalable/apps)
foreach(png ${ZELKOVAR_IKONY_PNG})
  get_filename_component(velikost ${png} DIRECTORY)
  get_filename_component(velikost ${velikost} NAME)
  install(FILES ${png} DESTINATION ${ZELKOVAR_IKONY_DIR}/${velikost}x${velikost}/apps)
endforeach()
install(FILES ${ZELKOVAR_MAN_STRANKY} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

foreach(program zelkovar zelkovar-nastroj)
  install(CODE "
    set(spustitelny \"$<TARGET_FILE:${program}>\")
    execute_process(COMMAND \"${CMAKE_READELF}\" -n \"\${spustitelny}\" OUTPUT_VARIABLE poznamky COMMAND_ERROR_IS_FATAL ANY)
    if(NOT poznamky MATCHES \"Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)\")
      message(FATAL_ERROR \"\${spustitelny} has no build id\")
    endif()
    set(cil \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/debug/.build-id/\${CMAKE_MATCH_1}\")
    file(MAKE_DIRECTORY \"\${cil}\")
    message(STATUS \"Debug information: \${cil}/\${CMAKE_MATCH_2}.debug\")
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --only-keep-debug --compress-debug-sections
                    \"\${spustitelny}\" \"\${cil}/\${CMAKE_MATCH_2}.debug\" COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD \"\${cil}/\${CMAKE_MATCH_2}.debug\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  " COMPONENT dbgsym)
endforeach()

# Debian's own documents of each package: the copyright and the changelog.
set(ZELKOVAR_SPRAVCE "Zelkovar <podpora@zelkovar.example>" CACHE STRING "Maintainer of the packages")
configure_file(baleni/changelog.in ${PROJECT_BINARY_DIR}/baleni/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/baleni/changelog.gz
  COMMAND ${GZIP} -9nc ${PROJECT_BINARY_DIR}/baleni/changelog > ${PROJECT_BINARY_DIR}/baleni/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/baleni/changelog
  COMMENT "Compressing the changelog")
add_custom_target(zelkovar_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/baleni/changelog.gz)
foreach(balicek zelkovar zelkovar-dbgsym)
  set(komponenta program)
  if(balicek STREQUAL "zelkovar-dbgsym")
    set(komponenta dbgsym)
  endif()
  install(FILES baleni/copyright ${PROJECT_BINARY_DIR}/baleni/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${balicek} COMPONENT ${komponenta})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program dbgsym)
set(CPACK_PACKAGE_NAME zelkovar)
set(CPACK_PACKAGE_VENDOR Zelkovar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Strips what install(TARGETS) puts into the packages; the debug component was
# copied from the programs as built.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZELKOVAR_SPRAVCE}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME zelkovar)
set(CPACK_DEBIAN_PROGRAM_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION misc)
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION "data entry of a precinct election commission
Zelkovar is the program of a precinct election commission in municipal
council elections: the commission types the official record of the voting
and the votes of every candidate; the program checks them, exports one
protected results file for the receiving point and prints the record.

The package holds the program, the station tool zelkovar-nastroj that
prepares a station and its desktop launcher, the help and the manual pages.
The user interface is in Czech.")
# The libraries come from dpkg-shlibdeps; what the programs load at run time without
# linking it is named here: the fonts the printouts are measured with, the font the
# windows are laid out with (without it a bare system shows them in a monospaced
# face), and Qt's Czech translations of the standard dialogs. Qt's screen and printer
# plugins come with its libraries.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
# Ejecting a USB drive (udisksctl) and marking a desktop launcher trusted (gio): the
# program works without them, the user then does it by hand.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "udisks2, libglib2.0-bin")

set(CPACK_DEBIAN_DBGSYM_PACKAGE_NAME zelkovar-dbgsym)
set(CPACK_DEBIAN_DBGSYM_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_DBGSYM_PACKAGE_SECTION debug)
set(CPACK_DEBIAN_DBGSYM_PACKAGE_DEPENDS "zelkovar (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_DBGSYM_DESCRIPTION "debug symbols for zelkovar
The debug information of the programs zelkovar and zelkovar-nastroj of the
package zelkovar, split off the stripped programs. A debugger finds it by the
build ids of the programs.")
include(CPack)
