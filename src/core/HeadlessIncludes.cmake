# Reads the compiler's dependency files (*.o.d) of one headless library and fails on any header
# that belongs to a Qt module other than Qt Core, or to a folder of the tree outside src/core.
#
# cmake -DTARGET=zuvo_model -DOBJECT_DIR=<its CMakeFiles/zuvo_model.dir>
#       -DCOMPILE_DIR=<its binary folder> -DSOURCE_DIR=<tree> -DBINARY_DIR=<build tree>
#       -P HeadlessIncludes.cmake
# A relative path in a dependency file is relative to where the compiler ran: the library's
# binary folder (Makefiles) or the build tree (Ninja).
foreach(variable TARGET OBJECT_DIR COMPILE_DIR SOURCE_DIR BINARY_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "HeadlessIncludes.cmake needs -D${variable}=...")
    endif()
endforeach()

file(GLOB_RECURSE depfiles ${OBJECT_DIR}/*.o.d)
if(NOT depfiles)
    message(FATAL_ERROR "${TARGET}: no dependency files under ${OBJECT_DIR}, nothing to check. "
                        "The headless check needs a compiler that writes them (GCC, Clang).")
endif()

set(core_dir ${SOURCE_DIR}/src/core)
set(problems "")
foreach(depfile IN LISTS depfiles)
    file(READ ${depfile} content)
    string(REPLACE "\\\n" " " content "${content}")
    string(REGEX MATCHALL "[^ \t\r\n]+" words "${content}")
    list(REMOVE_DUPLICATES words)
    foreach(word IN LISTS words)
        if(word MATCHES ":$")
            continue() # the object file the rule is for
        endif()
        set(path ${word})
        if(IS_ABSOLUTE ${path})
            # Most are system headers: only Qt's and the tree's are of interest.
            string(FIND ${path} ${SOURCE_DIR}/ tree_position)
            if(NOT path MATCHES "/Qt[A-Z]" AND NOT tree_position EQUAL 0)
                continue()
            endif()
        else()
            cmake_path(ABSOLUTE_PATH word BASE_DIRECTORY ${COMPILE_DIR} NORMALIZE OUTPUT_VARIABLE
                       path)
            cmake_path(ABSOLUTE_PATH word BASE_DIRECTORY ${BINARY_DIR} NORMALIZE OUTPUT_VARIABLE
                       from_build)
            if(NOT EXISTS ${path} AND EXISTS ${from_build})
                set(path ${from_build})
            endif()
        endif()

        # The build tree's files (moc) are the library's own; the tree's must be in src/core;
        # of the rest, only Qt Core. (A tree under a folder named Qt... is still the tree.)
        set(why "")
        cmake_path(IS_PREFIX BINARY_DIR ${path} NORMALIZE in_build)
        cmake_path(IS_PREFIX SOURCE_DIR ${path} NORMALIZE in_tree)
        cmake_path(IS_PREFIX core_dir ${path} NORMALIZE in_core)
        if(in_build)
        elseif(in_tree)
            if(NOT in_core)
                set(why "a file of the tree outside src/core")
            endif()
        else()
            string(REGEX MATCHALL "/Qt[A-Z][A-Za-z0-9]*/" modules "${path}")
            foreach(module IN LISTS modules)
                if(NOT module STREQUAL "/QtCore/")
                    string(REPLACE "/" "" module ${module})
                    set(why "a header of ${module}")
                endif()
            endforeach()
        endif()
        if(why)
            # The first header out of place is the one the source reached first; the rest come
            # with it.
            cmake_path(GET depfile FILENAME object)
            string(REGEX REPLACE "\\.o\\.d$" "" source ${object})
            string(APPEND problems "\n  ${source} includes ${path}, ${why}")
            break()
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "${TARGET} belongs to the headless core: Qt Core and src/core only."
                        "${problems}")
endif()
