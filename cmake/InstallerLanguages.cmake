# Writes the installer's languages for NSIS: a MUI_LANGUAGE for English and each shipped language,
# and a LangString for each text win32/installer_texts.h marks, in each language as its catalogue in
# po/ has it (English where the catalogue lacks it, leaves it untranslated or fuzzy), with "%1" the
# version. SHOWN lists the same texts as the installer shows them, one a line: the NSIS language,
# a tab, the text's name, a tab, the text with its line breaks as "\n"; the Windows tests compare
# the installer's pages with it.
# Usage: cmake -DSOURCE=win32/installer_texts.h -DPO_DIR=... -DLANGUAGES="de;fr" -DVERSION=...
#        -DOUTPUT=....nsh -DSHOWN=....txt -P InstallerLanguages.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/ReadCatalogue.cmake)

# NSIS's name for each language of po/LINGUAS.
set(nsis_de German)
set(nsis_es Spanish)
set(nsis_fr French)
set(nsis_pl Polish)
set(nsis_pt_BR PortugueseBR)
set(nsis_ru Russian)

# The texts as the header writes them: each constant's name, and its C string literals joined.
file(READ ${SOURCE} header)
# Marked as read_po marks the catalogues' texts, so that the two compare.
string(REPLACE ";" "${semicolon}" header "${header}")
string(REPLACE "[" "${open_bracket}" header "${header}")
string(REPLACE "]" "${close_bracket}" header "${header}")
set(c_literal "\"([^\"\\\\]|\\\\.)*\"")
string(REGEX MATCHALL "k[A-Za-z0-9]+ =[ \n]*N_\\(([ \n]*${c_literal})+[ \n]*\\)" definitions
       "${header}")
if(NOT definitions)
    message(FATAL_ERROR "${SOURCE} marks no text with N_()")
endif()
set(names)
foreach(definition IN LISTS definitions)
    string(REGEX MATCH "^k[A-Za-z0-9]+" name "${definition}")
    string(REGEX MATCHALL "${c_literal}" pieces "${definition}")
    set(text "")
    foreach(piece IN LISTS pieces)
        string(REGEX REPLACE "^\"(.*)\"$" "\\1" piece "${piece}")
        string(APPEND text "${piece}")
    endforeach()
    list(APPEND names ${name})
    set(english_${name} "${text}")
endforeach()

# A C string literal's inside, with the markers of ReadCatalogue.cmake, as the text it stands for.
function(plain c_text out)
    literal("${c_text}" text)
    string(REGEX REPLACE "^\"(.*)\"$" "\\1" text "${text}")
    string(REPLACE "\\\\" "<rt-backslash>" text "${text}")
    string(REPLACE "\\\"" "\"" text "${text}")
    string(REPLACE "\\n" "\n" text "${text}")
    string(REPLACE "\\t" "\t" text "${text}")
    string(REPLACE "<rt-backslash>" "\\" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(nsh "; Written by the build from po/ and win32/installer_texts.h; edit them there.\n")
set(shown "")
foreach(language en ${LANGUAGES})
    if(language STREQUAL "en")
        set(nsis English)
    else()
        set(nsis ${nsis_${language}})
        if(NOT nsis)
            message(FATAL_ERROR "po/LINGUAS lists ${language}, which has no NSIS language in "
                                "${CMAKE_CURRENT_LIST_FILE}")
        endif()
        read_po(${PO_DIR}/${language}.po "^win32/installer_texts\\.h$" po)
    endif()
    string(APPEND nsh "!insertmacro MUI_LANGUAGE \"${nsis}\"\n")
    string(TOUPPER "LANG_${nsis}" nsis_id)
    foreach(name IN LISTS names)
        set(text "")
        if(NOT language STREQUAL "en")
            list(FIND po_ids "${english_${name}}" at)
            if(at GREATER -1)
                list(GET po_strs ${at} text)
                string(REPLACE "<rt-text>" "" text "${text}")
            endif()
        endif()
        if(text STREQUAL "")
            set(text "${english_${name}}")
        endif()
        plain("${text}" text)
        # NSIS reads "$" and its escapes in a quoted string, and ends it at the quote.
        string(REPLACE "$" "$$" quoted "${text}")
        string(REPLACE "\"" "$\\\"" quoted "${quoted}")
        string(REPLACE "`" "$\\`" quoted "${quoted}")
        string(REPLACE "\t" "$\\t" quoted "${quoted}")
        string(REPLACE "\n" "$\\r$\\n" quoted "${quoted}")
        string(REPLACE "%1" "\${VERSION}" quoted "${quoted}")
        string(APPEND nsh "LangString ${name} \${${nsis_id}} \"${quoted}\"\n")
        string(REPLACE "%1" "${VERSION}" text "${text}")
        string(REPLACE "\n" "\\n" text "${text}")
        string(APPEND shown "${nsis}\t${name}\t${text}\n")
    endforeach()
endforeach()

# Written anew only when it changed, so that the installer is not made again for nothing.
function(write_changed file content)
    file(WRITE ${file}.new "${content}")
    configure_file(${file}.new ${file} COPYONLY)
    file(REMOVE ${file}.new)
endfunction()
write_changed(${OUTPUT} "${nsh}")
write_changed(${SHOWN} "${shown}")
