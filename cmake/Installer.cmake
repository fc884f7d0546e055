# The per-user setup program beside the zip: CPack's NSIS generator packs the zip's staged
# files (qf_dist_stage, qf_dist_files from Dist.cmake) with cmake/installer/NSIS.template.in
# into quickfigure-<version>-win64-setup.exe. Built by the same `dist` target; the CTest
# test "setup" installs it under Wine over an older version it packs from this configuration,
# plays from the shortcut, and uninstalls it.
find_program(QF_MAKENSIS makensis REQUIRED)

set(CPACK_GENERATOR NSIS)
set(CPACK_VERBATIM_VARIABLES ON) # the NSIS lines below hold quotes and backslashes
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Bramblewood Apps")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quickfigure-${PROJECT_VERSION}-win64-setup)
set(CPACK_NSIS_EXECUTABLE ${QF_MAKENSIS})
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/cmake/installer)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# The staged folder as it is, so no install step runs inside the build.
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALLED_DIRECTORIES "${qf_dist_stage};.")
set(CPACK_QF_PROGRAM quickfigure.exe)
set(CPACK_QF_ICON ${CMAKE_SOURCE_DIR}/resources/quickfigure.ico)
# The marker's name as the program looks for it.
file(STRINGS ${CMAKE_SOURCE_DIR}/shell/data_files.h qf_marker_line
     REGEX "InstalledMarkerName = \"")
string(REGEX REPLACE ".*\"(.+)\".*" "\\1" CPACK_QF_MARKER "${qf_marker_line}")
set(CPACK_QF_INSTALL_FILES "")
set(CPACK_QF_DELETE_FILES "")
foreach(file IN LISTS qf_dist_files)
    string(APPEND CPACK_QF_INSTALL_FILES "    File \"\${INST_DIR}/${file}\"\n")
    string(APPEND CPACK_QF_DELETE_FILES "    Delete \"$INSTDIR\\${file}\"\n")
endforeach()
set(qf_setup_name ${CPACK_PACKAGE_FILE_NAME}.exe)
set(qf_setup ${CPACK_PACKAGE_DIRECTORY}/${qf_setup_name})
include(CPack)

add_custom_command(OUTPUT ${qf_setup}
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    DEPENDS ${qf_dist_zip} ${CMAKE_SOURCE_DIR}/cmake/installer/NSIS.template.in
    COMMENT "Packing ${qf_setup_name}"
    VERBATIM)
add_custom_target(dist_setup DEPENDS ${qf_setup})
add_dependencies(dist dist_setup)

if(BUILD_TESTING)
    add_test(NAME setup
        COMMAND ${QF_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/e2e/check_setup.py
                --setup ${qf_setup} --exe $<TARGET_FILE:quickfigure> --version ${PROJECT_VERSION}
                --cpack ${CMAKE_CPACK_COMMAND} --cpack-config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
                --stage ${qf_dist_stage})
    set_tests_properties(setup PROPERTIES FIXTURES_REQUIRED qf_dist TIMEOUT 300
        ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")
endif()
