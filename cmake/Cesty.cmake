# Where the package puts each file (GNU layout), and the paths the programs use to find
# their own files relative to their executables.
include(GNUInstallDirs)
set(ZELKOVAR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zelkovar)
set(ZELKOVAR_IKONY_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
file(RELATIVE_PATH ZELKOVAR_DATA_Z_BIN /${CMAKE_INSTALL_BINDIR} /${ZELKOVAR_DATA_DIR})
file(RELATIVE_PATH ZELKOVAR_IKONA_Z_BIN /${CMAKE_INSTALL_BINDIR}
  /${ZELKOVAR_IKONY_DIR}/scalable/apps/zelkovar.svg)
