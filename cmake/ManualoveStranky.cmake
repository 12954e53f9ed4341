# Writes the manual pages of zelkovar and zelkovar-nastroj from their one source and
# compresses them as Debian wants them.
#   cmake -DZDROJ=manualove-stranky.roff -DCIL=dir -DVERZE=1.0.0 -DDATUM=2026-10-01 -DGZIP=gzip -P this
# The source is cut into blocks, each opened by a comment line `.\"@ PAGE`, where PAGE
# is zelkovar, zelkovar-nastroj or obe (both pages); @VERZE@ becomes the version and
# @DATUM@ the date of the version.
cmake_minimum_required(VERSION 3.25)
file(READ "${ZDROJ}" text)
set(znacka ".\\\"@ ")
string(LENGTH "${znacka}" delkaZnacky)
set(strana_zelkovar "")
set(strana_zelkovar-nastroj "")
string(FIND "${text}" "${znacka}" i)
while(NOT i EQUAL -1)
  math(EXPR za "${i} + ${delkaZnacky}")
  string(SUBSTRING "${text}" ${za} -1 text)
  string(FIND "${text}" "\n" konec)
  string(SUBSTRING "${text}" 0 ${konec} komu)
  math(EXPR za "${konec} + 1")
  string(SUBSTRING "${text}" ${za} -1 text)
  string(FIND "${text}" "${znacka}" i)
  string(SUBSTRING "${text}" 0 ${i} blok)
  if(komu STREQUAL "obe")
    string(APPEND strana_zelkovar "${blok}")
    string(APPEND strana_zelkovar-nastroj "${blok}")
  elseif(komu STREQUAL "zelkovar" OR komu STREQUAL "zelkovar-nastroj")
    string(APPEND strana_${komu} "${blok}")
  else()
    message(FATAL_ERROR "${ZDROJ}: unknown page '${komu}'")
  endif()
endwhile()

file(MAKE_DIRECTORY "${CIL}")
foreach(stranka zelkovar zelkovar-nastroj)
  string(REPLACE "@VERZE@" "${VERZE}" obsah "${strana_${stranka}}")
  string(REPLACE "@DATUM@" "${DATUM}" obsah "${obsah}")
  file(WRITE "${CIL}/${stranka}.1" ".\\\" -*- coding: UTF-8 -*-\n${obsah}")
  execute_process(COMMAND "${GZIP}" -9nf "${CIL}/${stranka}.1" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
