# Files that ship beside Vesk.exe: the help file, compiled from docs/help with
# chmcmd (Free Pascal's CHM compiler, Debian fp-utils), and the tips.
find_program(VESK_CHMCMD chmcmd REQUIRED)
file(GLOB VESK_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
set(VESK_HELP_STAGING ${CMAKE_BINARY_DIR}/help)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Vesk.CHM
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VESK_HELP_STAGING}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/help ${VESK_HELP_STAGING}
  COMMAND ${CMAKE_COMMAND} -E chdir ${VESK_HELP_STAGING} ${VESK_CHMCMD} --no-html-scan vesk.hhp
  COMMAND ${CMAKE_COMMAND} -E copy ${VESK_HELP_STAGING}/Vesk.CHM ${CMAKE_BINARY_DIR}/Vesk.CHM
  DEPENDS ${VESK_HELP_SOURCES}
  COMMENT "Compiling the help file")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Tips.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/Tips.txt ${CMAKE_BINARY_DIR}/Tips.txt
  DEPENDS ${CMAKE_SOURCE_DIR}/assets/Tips.txt)
add_custom_target(shipped_files ALL DEPENDS ${CMAKE_BINARY_DIR}/Vesk.CHM ${CMAKE_BINARY_DIR}/Tips.txt)
add_dependencies(Vesk shipped_files)
