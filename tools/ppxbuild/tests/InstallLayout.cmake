# Installs the build in BUILD_DIR into PREFIX and fails unless the shipped
# data lies where the program and the desktop look for it: the picture files
# of DESCRIPTIONS with their help, the logo, the licence record, the program's
# help file, the default settings, the sounds, the program and the desktop
# files.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(share ${PREFIX}/share)
set(expected
  ${PREFIX}/bin/tessella
  ${share}/tessella/pictures/LOGO.LGO
  ${share}/tessella/pictures/LICENSES.md
  ${share}/tessella/pictures/TESSELLA.TMB
  ${share}/tessella/help/TESSELLA.HLP
  ${share}/tessella/settings/Quiet.Ini
  ${share}/tessella/sounds/JIGCLICK.WAV
  ${share}/tessella/icons/tessella.svg
  ${share}/icons/hicolor/scalable/apps/tessella.svg
  ${share}/applications/tessella.desktop
  ${share}/mime/packages/tessella.xml)
foreach(description ${DESCRIPTIONS})
  get_filename_component(stem ${description} NAME_WE)
  list(APPEND expected ${share}/tessella/pictures/${stem}.PPX)
  foreach(letter P G F S I)
    list(APPEND expected ${share}/tessella/pictures/${stem}.HL${letter})
  endforeach()
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# Build-only inputs stay out of the installation.
foreach(unwanted tessella/pictures/source tessella/pictures/ASTRONAUT.desc tessella/desktop)
  if(EXISTS ${share}/${unwanted})
    message(FATAL_ERROR "installed but build input only: ${share}/${unwanted}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
