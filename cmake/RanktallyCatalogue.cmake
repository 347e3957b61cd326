# The catalogue of po/ compiled into a program: RANKTALLY_LANGUAGES lists the shipped languages
# (po/LINGUAS), and ranktally_add_catalogue makes a static library of the texts one program carries
# with the core's lookup of them. gettext's own tools read and check every catalogue; our
# compile_catalogue only turns what msgfmt wrote into the table, built for and run on the build's
# own target (under Wine or node when it is another machine's), as the page's writer is.
set(RANKTALLY_PO_DIR ${PROJECT_SOURCE_DIR}/po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${RANKTALLY_PO_DIR}/LINGUAS)
file(STRINGS ${RANKTALLY_PO_DIR}/LINGUAS RANKTALLY_LANGUAGES REGEX "^[^#]")

find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGGREP msggrep REQUIRED)
find_program(MSGEN msgen REQUIRED)

add_executable(ranktally_compile_catalogue ${PROJECT_SOURCE_DIR}/tools/compile_catalogue.cpp)
target_compile_features(ranktally_compile_catalogue PRIVATE cxx_std_20)
if(EMSCRIPTEN)
    # It says why it refuses a catalogue, which takes exceptions that are caught.
    target_compile_options(ranktally_compile_catalogue PRIVATE -fexceptions)
    target_link_options(ranktally_compile_catalogue PRIVATE -fexceptions -sNODERAWFS=1
                        -sENVIRONMENT=node)
endif()

# The texts of the program's own sources, not the desktop entry's, AppStream's or the installer's.
set(RANKTALLY_PROGRAM_TEXTS "core/*" "form/*" "app/*" "ui/*" "web/*" "win32/*")

# ranktally_add_catalogue(TARGET [ALL] [LANGUAGES lang...] [PSEUDO] [PLACES pattern...]
#                         [TEMPLATE file] [PO_DIR dir] [JSON file]): English, with ALL every
# shipped language, else the languages given (each a catalogue LANG.po in PO_DIR, po/ unless
# given), and with PSEUDO the pseudo-language en-XA; only the texts of TEMPLATE (po/ranktally.pot
# unless given) from a source file that matches one of PLACES (msggrep's patterns, whose "*" keeps
# within a folder; the program's own texts when not given). JSON also writes the texts, as each
# language shows them, to that file.
function(ranktally_add_catalogue target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "ALL;PSEUDO" "TEMPLATE;PO_DIR;JSON" "LANGUAGES;PLACES")
    if(arg_ALL)
        set(arg_LANGUAGES ${RANKTALLY_LANGUAGES})
    endif()
    if(NOT arg_PLACES)
        set(arg_PLACES ${RANKTALLY_PROGRAM_TEXTS})
    endif()
    if(NOT arg_TEMPLATE)
        set(arg_TEMPLATE ${RANKTALLY_PO_DIR}/ranktally.pot)
    endif()
    if(NOT arg_PO_DIR)
        set(arg_PO_DIR ${RANKTALLY_PO_DIR})
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}.mo)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
    set(places)
    foreach(pattern IN LISTS arg_PLACES)
        list(APPEND places --location=${pattern})
    endforeach()
    set(compile_languages)
    set(catalogues)
    set(languages)
    foreach(language IN LISTS arg_LANGUAGES)
        string(REPLACE "_" "-" tag ${language})
        list(APPEND catalogues ${arg_PO_DIR}/${language}.po)
        # msgfmt stops the build at a catalogue its checks refuse, saying why.
        list(APPEND compile_languages COMMAND ${MSGFMT} --check -o ${dir}/${language}.mo
             ${arg_PO_DIR}/${language}.po)
        list(APPEND languages ${tag}=${dir}/${language}.mo)
    endforeach()
    set(outputs ${output})
    set(options)
    if(arg_JSON)
        list(APPEND outputs ${arg_JSON})
        list(APPEND options --json ${arg_JSON})
    endif()
    if(arg_PSEUDO)
        list(APPEND options --pseudo)
    endif()
    # The template made an English catalogue of its texts (msgen), which msgfmt compiles too.
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${MSGGREP} --force-po ${places} -o ${dir}/sources.pot ${arg_TEMPLATE}
        COMMAND ${MSGEN} --force-po -o ${dir}/sources.po ${dir}/sources.pot
        COMMAND ${MSGFMT} -o ${dir}/sources.mo ${dir}/sources.po
        ${compile_languages}
        COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:ranktally_compile_catalogue>
                ${output} ${dir}/sources.mo ${options} ${languages}
        DEPENDS ${arg_TEMPLATE} ${catalogues} ranktally_compile_catalogue
        VERBATIM)
    add_library(${target} STATIC ${output} ${PROJECT_SOURCE_DIR}/core/translation.cpp)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/core)
    target_compile_features(${target} PUBLIC cxx_std_20)
    if(EMSCRIPTEN)
        # A page's module is optimised with its texts at link time.
        target_compile_options(${target} PRIVATE -flto)
    endif()
endfunction()
