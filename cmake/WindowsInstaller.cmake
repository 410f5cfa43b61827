# The Windows installer, Tenukiro-<version>-setup.exe in the build folder, made with NSIS from
# resources/windows/tenukiro.nsi around the program and the data files (TENUKIRO_ICON: the
# program's icon file).
option(TENUKIRO_INSTALLER "Build the Windows installer (needs makensis, Debian's nsis)" ON)
if(NOT TENUKIRO_INSTALLER)
  return()
endif()
find_program(MAKENSIS_PROGRAM makensis REQUIRED)
set(setup "${PROJECT_BINARY_DIR}/Tenukiro-${PROJECT_VERSION}-setup.exe")
set(script "${PROJECT_SOURCE_DIR}/resources/windows/tenukiro.nsi")
add_custom_command(OUTPUT "${setup}"
  COMMAND "${MAKENSIS_PROGRAM}" -V2 -INPUTCHARSET UTF8 "-DVERSION=${PROJECT_VERSION}"
          "-DSCR=$<TARGET_FILE:tenukiro_scr>" "-DDATA=${PROJECT_SOURCE_DIR}/resources"
          "-DICON=${TENUKIRO_ICON}" "-DOUTFILE=${setup}" "${script}"
  DEPENDS tenukiro_scr "${script}" "${TENUKIRO_ICON}" "${PROJECT_SOURCE_DIR}/resources/License.txt" ${data_files}
  VERBATIM)
add_custom_target(tenukiro_setup ALL DEPENDS "${setup}")
