# The release package: `cmake --build --preset mingw --target dist` writes
# quickfigure-<version>-win64.zip into the build folder, holding the program, the player's
# README and the licence (both with Windows line ends). The CTest test "dist" builds it
# (through the "dist_zip" fixture), checks its contents and starts the program from it.
set(qf_dist_zip ${CMAKE_BINARY_DIR}/quickfigure-${PROJECT_VERSION}-win64.zip)
set(qf_dist_stage ${CMAKE_BINARY_DIR}/dist)
set(qf_dist_files quickfigure.exe README.txt LICENSE.txt)

foreach(text README.txt LICENSE.txt)
    configure_file(${CMAKE_SOURCE_DIR}/dist/${text} ${qf_dist_stage}/${text}
                   @ONLY NEWLINE_STYLE CRLF)
endforeach()

add_custom_command(OUTPUT ${qf_dist_zip}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quickfigure> ${qf_dist_stage}/quickfigure.exe
    COMMAND ${CMAKE_COMMAND} -E rm -f ${qf_dist_zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${qf_dist_zip} --format=zip ${qf_dist_files}
    WORKING_DIRECTORY ${qf_dist_stage}
    DEPENDS quickfigure ${qf_dist_stage}/README.txt ${qf_dist_stage}/LICENSE.txt
    COMMENT "Packing quickfigure-${PROJECT_VERSION}-win64.zip"
    VERBATIM)
add_custom_target(dist DEPENDS ${qf_dist_zip})

if(BUILD_TESTING)
    find_program(QF_PYTHON3 python3 REQUIRED)
    add_test(NAME dist_zip COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target dist)
    set_tests_properties(dist_zip PROPERTIES FIXTURES_SETUP qf_dist)
    add_test(NAME dist
        COMMAND ${QF_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/e2e/check_dist.py
                --zip ${qf_dist_zip} --exe $<TARGET_FILE:quickfigure>
                --texts ${CMAKE_SOURCE_DIR}/dist --version ${PROJECT_VERSION})
    set_tests_properties(dist PROPERTIES FIXTURES_REQUIRED qf_dist TIMEOUT 300
        ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")
endif()
include(cmake/Installer.cmake)
