# Renders the one SVG icon to PNGs of the given sizes in the current binary folder, so that no
# bitmap is kept in the repository beside its source.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(RANKTALLY_APP_ID org.ranktally.Ranktally)
set(RANKTALLY_ICON_SVG ${PROJECT_SOURCE_DIR}/data/${RANKTALLY_APP_ID}.svg)

function(ranktally_render_icon out_var)
    set(pngs)
    foreach(size IN LISTS ARGN)
        set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
            COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
                    ${RANKTALLY_ICON_SVG}
            DEPENDS ${RANKTALLY_ICON_SVG}
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()
