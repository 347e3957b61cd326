# The Windows packages, built with the program: a portable zip (the program, its licence and a
# readme) and a per-user installer made by NSIS. Both are the same bytes from the same sources:
# every time stored in them is SOURCE_DATE_EPOCH's, where it is set.
find_program(MAKENSIS makensis REQUIRED)
find_program(PNGTOPNM pngtopnm REQUIRED)
find_program(PPMTOBMP ppmtobmp REQUIRED)
find_program(ZIP zip REQUIRED)
find_program(TOUCH touch REQUIRED)
set(portable ${CMAKE_BINARY_DIR}/portable/Ranktally)
set(RANKTALLY_ZIP ${CMAKE_BINARY_DIR}/ranktally-${PROJECT_VERSION}-windows-x64.zip)
set(RANKTALLY_INSTALLER ${CMAKE_BINARY_DIR}/ranktally-${PROJECT_VERSION}-setup.exe)
# string(TIMESTAMP) takes SOURCE_DATE_EPOCH when it is set.
string(TIMESTAMP stamp "%Y-%m-%d %H:%M:%S" UTC)
configure_file(${PROJECT_SOURCE_DIR}/win32/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY)
set(readme ${CMAKE_BINARY_DIR}/README.txt)
add_custom_command(
    OUTPUT ${RANKTALLY_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ranktally> ${portable}/ranktally.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${portable}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${readme} ${portable}/README.txt
    # Named one by one, so that their order is the same on every file system, with one time and
    # none of the extra fields that would carry when the build read them.
    COMMAND ${TOUCH} -d "${stamp} UTC" ${portable}/LICENSE.txt ${portable}/README.txt
            ${portable}/ranktally.exe
    COMMAND ${CMAKE_COMMAND} -E rm -f ${RANKTALLY_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${portable}/.. ${ZIP} -X -q ${RANKTALLY_ZIP}
            Ranktally/LICENSE.txt Ranktally/README.txt Ranktally/ranktally.exe
    DEPENDS ranktally ${PROJECT_SOURCE_DIR}/LICENSE ${readme}
    VERBATIM)

# The picture on the installer's welcome and finish pages: the icon on white, 164 by 314 pixels.
set(wizard ${CMAKE_BINARY_DIR}/wizard.bmp)
add_custom_command(
    OUTPUT ${wizard}
    COMMAND ${RSVG_CONVERT} --width 128 --height 128 --page-width 164 --page-height 314
            --left 18 --top 40 --background-color white --output ${CMAKE_BINARY_DIR}/wizard.png
            ${RANKTALLY_ICON_SVG}
    COMMAND sh -c "${PNGTOPNM} -mix -background=white wizard.png | ${PPMTOBMP} -bpp 24 > wizard.bmp"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${RANKTALLY_ICON_SVG}
    VERBATIM)
# The installer's languages and its own texts in each, from po/ (see
# tools/installer_languages.cpp), and the same texts as its pages show them, for the tests.
find_path(RANKTALLY_NSIS_LANGUAGES English.nlf
          PATHS /usr/share/nsis/Contrib /usr/local/share/nsis/Contrib
                "$ENV{ProgramFiles\(x86\)}/NSIS/Contrib" "$ENV{ProgramFiles}/NSIS/Contrib"
          PATH_SUFFIXES "Language files" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
ranktally_add_catalogue(ranktally_installer_texts ALL PLACES tools/installer_languages.cpp)
add_executable(ranktally_installer_languages ${PROJECT_SOURCE_DIR}/tools/installer_languages.cpp
               ${PROJECT_SOURCE_DIR}/win32/wide_text.cpp)
target_include_directories(ranktally_installer_languages PRIVATE ${PROJECT_SOURCE_DIR}/win32)
target_link_libraries(ranktally_installer_languages PRIVATE ranktally_installer_texts)
set(installer_languages ${CMAKE_BINARY_DIR}/installer_languages.nsh)
set(RANKTALLY_INSTALLER_TEXTS ${CMAKE_BINARY_DIR}/installer_texts.txt)
add_custom_command(
    OUTPUT ${installer_languages} ${RANKTALLY_INSTALLER_TEXTS}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:ranktally_installer_languages>
            ${RANKTALLY_NSIS_LANGUAGES} ${PROJECT_VERSION} ${installer_languages}
            ${RANKTALLY_INSTALLER_TEXTS}
    DEPENDS ranktally_installer_languages
    VERBATIM)
add_custom_command(
    OUTPUT ${RANKTALLY_INSTALLER}
    COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPROGRAM=$<TARGET_FILE:ranktally>
            -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE -DREADME=${readme} -DICON=${RANKTALLY_ICO}
            -DWIZARD=${wizard} -DLANGUAGES=${installer_languages}
            -DOUTFILE=${RANKTALLY_INSTALLER} ${PROJECT_SOURCE_DIR}/win32/installer.nsi
    DEPENDS ranktally ranktally_ico ${wizard} ${readme} ${installer_languages}
            ${PROJECT_SOURCE_DIR}/win32/installer.nsi
    VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${RANKTALLY_ZIP} ${RANKTALLY_INSTALLER})
