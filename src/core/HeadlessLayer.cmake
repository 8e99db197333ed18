# Keeps the core headless: its libraries link nothing but Qt Core and each other, and no file they
# compile reaches a header of another Qt module or of a folder outside src/core.
#
# Linking only Qt6::Core is not enough on its own: Qt's root include folder comes with it, so
# <QtWidgets/QWidget> would still compile. The compiler's own dependency files of every build
# tell what each source really included; HeadlessIncludes.cmake reads them after the library is
# built, and the build fails on the first header out of place.
function(zuvo_headless_layer)
    set(layer ${ARGN})
    foreach(target IN LISTS layer)
        # The link interface, at configure time.
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(libraries ${target} ${property})
            if(NOT libraries)
                continue()
            endif()
            foreach(library IN LISTS libraries)
                string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
                if(NOT library STREQUAL "Qt6::Core" AND NOT library IN_LIST layer)
                    message(FATAL_ERROR
                        "${target} belongs to the headless core (Qt Core only) but links "
                        "${library}. Move the code that needs it out of src/core.")
                endif()
            endforeach()
        endforeach()

        # The headers, after every build of the library. The stamp is written only when the check
        # passes, so a failed check runs again on the next build.
        get_target_property(binary_dir ${target} BINARY_DIR)
        set(stamp ${binary_dir}/CMakeFiles/${target}.headless)
        add_custom_command(
            OUTPUT ${stamp}
            COMMAND ${CMAKE_COMMAND} -DTARGET=${target}
                    -DOBJECT_DIR=${binary_dir}/CMakeFiles/${target}.dir
                    -DCOMPILE_DIR=${binary_dir}
                    -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBINARY_DIR=${CMAKE_BINARY_DIR}
                    -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/HeadlessIncludes.cmake
            COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
            DEPENDS ${target} $<TARGET_FILE:${target}>
                    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/HeadlessIncludes.cmake
            COMMENT "Checking that ${target} includes Qt Core and src/core only"
            VERBATIM)
        add_custom_target(${target}_headless ALL DEPENDS ${stamp})
    endforeach()
endfunction()
