# The pictures and the icon as Win32 resources, converted at build time from the same SVG
# sources the Qt backend renders: 32-bit bitmaps with alpha, drawn larger than shown so that
# the dialogs can scale them down to their controls, and an icon with the usual sizes.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)

set(pictures_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
set(pictures_sources ${CMAKE_CURRENT_SOURCE_DIR}/pictures)
set(picture_files)

# name, resource id (resources/resource_ids.h), width rendered
foreach(picture "module;149;840" "edge_falling;150;84" "edge_rising;151;84")
    list(GET picture 0 name)
    list(GET picture 2 width)
    add_custom_command(
        OUTPUT ${pictures_dir}/${name}.bmp
        COMMAND ${CMAKE_COMMAND} -E make_directory ${pictures_dir}
        COMMAND ${RSVG_CONVERT} -w ${width} -f png -o ${pictures_dir}/${name}.png
                ${pictures_sources}/${name}.svg
        COMMAND ${IMAGEMAGICK_CONVERT} ${pictures_dir}/${name}.png -define bmp:format=bmp4
                BMP:${pictures_dir}/${name}.bmp
        DEPENDS ${pictures_sources}/${name}.svg
        VERBATIM)
    list(APPEND picture_files ${pictures_dir}/${name}.bmp)
endforeach()

set(icon_sizes 16 20 24 32 40 48 64 256)
set(icon_pngs)
foreach(side ${icon_sizes})
    list(APPEND icon_pngs ${pictures_dir}/icon_${side}.png)
endforeach()
set(icon_commands)
foreach(side ${icon_sizes})
    list(APPEND icon_commands COMMAND ${RSVG_CONVERT} -w ${side} -h ${side} -f png -o
         ${pictures_dir}/icon_${side}.png ${pictures_sources}/icon.svg)
endforeach()
add_custom_command(
    OUTPUT ${pictures_dir}/icon.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pictures_dir}
    ${icon_commands}
    COMMAND ${IMAGEMAGICK_CONVERT} ${icon_pngs} ${pictures_dir}/icon.ico
    DEPENDS ${pictures_sources}/icon.svg
    VERBATIM)
list(APPEND picture_files ${pictures_dir}/icon.ico)

add_custom_target(grt8_pictures DEPENDS ${picture_files})
add_dependencies(grt8_ui grt8_pictures)

set(pictures_rc ${CMAKE_CURRENT_BINARY_DIR}/pictures.rc)
file(CONFIGURE OUTPUT ${pictures_rc} CONTENT
"128 ICON \"${pictures_dir}/icon.ico\"
149 BITMAP \"${pictures_dir}/module.bmp\"
150 BITMAP \"${pictures_dir}/edge_falling.bmp\"
151 BITMAP \"${pictures_dir}/edge_rising.bmp\"
")
set_source_files_properties(${pictures_rc} PROPERTIES OBJECT_DEPENDS "${picture_files}")
# A static library would drop resources nothing refers to: every program that links the user
# interface compiles them in itself.
target_sources(grt8_ui INTERFACE ${pictures_rc})
