# Copies install/ next to the executable after each build.
set(NUMBRAVA_INSTALL_DIR ${CMAKE_SOURCE_DIR}/install)
add_custom_target(shipped_data ALL
    COMMAND ${CMAKE_COMMAND}
            -DSRC=${NUMBRAVA_INSTALL_DIR}
            -DDST=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
            -P ${CMAKE_SOURCE_DIR}/cmake/copy_shipped.cmake
    COMMENT "Copying shipped data beside the program")
add_dependencies(numbrava shipped_data)
