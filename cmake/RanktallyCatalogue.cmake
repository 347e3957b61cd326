# The catalogue of po/ compiled into a program: RANKTALLY_LANGUAGES lists the shipped languages
# (po/LINGUAS), and ranktally_add_catalogue makes a static library of the texts one program carries.
set(RANKTALLY_PO_DIR ${PROJECT_SOURCE_DIR}/po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${RANKTALLY_PO_DIR}/LINGUAS)
file(STRINGS ${RANKTALLY_PO_DIR}/LINGUAS RANKTALLY_LANGUAGES REGEX "^[^#]")

# The texts of the program's own sources, not the desktop entry's, AppStream's or the installer's.
set(RANKTALLY_PROGRAM_TEXTS "^(core|form|app|ui|web)/.*\\.(h|cpp)$|^win32/.*\\.cpp$")

# ranktally_add_catalogue(TARGET [ALL] [LANGUAGES lang...] [PSEUDO] [PLACES regex]): English, with
# ALL every shipped language, else the languages given, and with PSEUDO the pseudo-language en-XA;
# only the texts with a place matching PLACES (the program's own texts when not given).
function(ranktally_add_catalogue target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "ALL;PSEUDO" "PLACES" "LANGUAGES")
    if(arg_ALL)
        set(arg_LANGUAGES ${RANKTALLY_LANGUAGES})
    endif()
    if(NOT arg_PLACES)
        set(arg_PLACES "${RANKTALLY_PROGRAM_TEXTS}")
    endif()
    set(catalogues)
    foreach(language IN LISTS arg_LANGUAGES)
        list(APPEND catalogues ${RANKTALLY_PO_DIR}/${language}.po)
    endforeach()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DPO_DIR=${RANKTALLY_PO_DIR} "-DLANGUAGES=${arg_LANGUAGES}"
                -DPSEUDO=${arg_PSEUDO} "-DPLACES=${arg_PLACES}" -DOUTPUT=${output}
                -P ${PROJECT_SOURCE_DIR}/cmake/CompileCatalogue.cmake
        DEPENDS ${RANKTALLY_PO_DIR}/ranktally.pot ${catalogues}
                ${PROJECT_SOURCE_DIR}/cmake/CompileCatalogue.cmake
                ${PROJECT_SOURCE_DIR}/cmake/ReadCatalogue.cmake
        VERBATIM)
    add_library(${target} STATIC ${output})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/core)
    target_compile_features(${target} PRIVATE cxx_std_20)
endfunction()
