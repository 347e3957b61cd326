# The Windows packages, built with the program: a portable zip (the program, its licence and a
# readme) and a per-user installer made by NSIS.
find_program(MAKENSIS makensis REQUIRED)
set(portable ${CMAKE_BINARY_DIR}/portable/Ranktally)
set(RANKTALLY_ZIP ${CMAKE_BINARY_DIR}/ranktally-${PROJECT_VERSION}-windows-x64.zip)
set(RANKTALLY_INSTALLER ${CMAKE_BINARY_DIR}/ranktally-${PROJECT_VERSION}-setup.exe)
add_custom_command(
    OUTPUT ${RANKTALLY_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ranktally> ${portable}/ranktally.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${portable}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/win32/README.txt ${portable}/README.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${portable}/.. ${CMAKE_COMMAND} -E tar cf ${RANKTALLY_ZIP}
            --format=zip Ranktally
    DEPENDS ranktally ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/win32/README.txt
    VERBATIM)
add_custom_command(
    OUTPUT ${RANKTALLY_INSTALLER}
    COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPROGRAM=$<TARGET_FILE:ranktally>
            -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE -DICON=${RANKTALLY_ICO}
            -DOUTFILE=${RANKTALLY_INSTALLER} ${PROJECT_SOURCE_DIR}/win32/installer.nsi
    DEPENDS ranktally ranktally_ico ${PROJECT_SOURCE_DIR}/win32/installer.nsi
    VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${RANKTALLY_ZIP} ${RANKTALLY_INSTALLER})
