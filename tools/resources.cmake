# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT

# Included by app/CMakeLists.txt: makes the window's pictures and faces at build time and compiles
# them into korvanta_window as Qt resources. The tools (svgrender, makefaces.py) are beside this
# file.

# The pictures are drawn as SVG and rendered to PNG when the program is built, at 1x and 2x
# (Qt picks NAME@2x.png on screens of a higher pixel ratio), so that the program needs no SVG
# renderer: the twelve 32-pixel pictures of the animations, and the window icon in the sizes a
# desktop looks for (packaging installs the same files).
set(picture_out ${PROJECT_BINARY_DIR}/app/pictures)
set(KORVANTA_PICTURE_FILES)
foreach(name rune-zigzag rune-diamond rune-n rune-upright-slash rune-circle-cross
             rune-upright-triangle smiley-sunglasses smiley-eyes-shut smiley-toothy-grin
             smiley-tongue-out smiley-wink smiley-mouth-open)
    set(svg ${PROJECT_SOURCE_DIR}/app/pictures/${name}.svg)
    set(png ${picture_out}/${name}.png ${picture_out}/${name}@2x.png)
    add_custom_command(OUTPUT ${png}
        COMMAND svgrender ${svg} ${picture_out}/${name}.png:32 ${picture_out}/${name}@2x.png:64
        DEPENDS svgrender ${svg} VERBATIM)
    list(APPEND KORVANTA_PICTURE_FILES ${png})
endforeach()
set(KORVANTA_ICON_PNGS)
set(icon_targets)
foreach(size ${KORVANTA_ICON_SIZES})
    list(APPEND KORVANTA_ICON_PNGS ${picture_out}/korvanta-${size}.png)
    list(APPEND icon_targets ${picture_out}/korvanta-${size}.png:${size})
endforeach()
set(KORVANTA_ICON_PNGS ${KORVANTA_ICON_PNGS} PARENT_SCOPE)
add_custom_command(OUTPUT ${KORVANTA_ICON_PNGS}
    COMMAND svgrender ${PROJECT_SOURCE_DIR}/app/pictures/korvanta.svg ${icon_targets}
    DEPENDS svgrender ${PROJECT_SOURCE_DIR}/app/pictures/korvanta.svg VERBATIM)
foreach(file ${KORVANTA_PICTURE_FILES} ${KORVANTA_ICON_PNGS})
    get_filename_component(alias ${file} NAME)
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${alias})
endforeach()
# An object library, so that a static link keeps the pictures.
qt_add_resources(korvanta_window "pictures" PREFIX "/pictures"
                 FILES ${KORVANTA_PICTURE_FILES} ${KORVANTA_ICON_PNGS})

# The window's own faces: subsets of Debian's Noto CJK and Comic Neue fonts holding the characters
# the program shows, with the compact line the form was laid out for (app/fonts/makefaces.py).
execute_process(COMMAND ${KORVANTA_PYTHON} -c "import fontTools.subset"
                RESULT_VARIABLE fonttools_missing OUTPUT_QUIET ERROR_QUIET)
if(fonttools_missing)
    message(FATAL_ERROR "${KORVANTA_PYTHON} cannot import fontTools (Debian: python3-fonttools)")
endif()
set(KORVANTA_FONT_DIRS
    /usr/share/fonts/opentype/noto /usr/share/fonts/opentype/comic-neue
    /usr/share/fonts/truetype/comic-neue
    CACHE STRING "Folders holding Noto Serif CJK, Noto Sans CJK and Comic Neue (Debian's by default)")
foreach(file NotoSerifCJK-Regular.ttc NotoSerifCJK-Bold.ttc NotoSansCJK-Regular.ttc
             ComicNeue-Regular.otf)
    string(MAKE_C_IDENTIFIER ${file} var)
    find_file(KORVANTA_SOURCE_${var} ${file} PATHS ${KORVANTA_FONT_DIRS} NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
endforeach()

set(makefaces ${PROJECT_SOURCE_DIR}/tools/makefaces.py)
set(font_out ${PROJECT_BINARY_DIR}/app/fonts)
# Every text the window can show: the catalogues' and the window's sources, in any sub-folder,
# headers and the form included.
file(GLOB_RECURSE shown_texts CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/catalogue/*.cpp ${PROJECT_SOURCE_DIR}/catalogue/*.h
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h ${PROJECT_SOURCE_DIR}/app/*.ui)
# The character list is rewritten only when it changes, so the faces are made again only then.
add_custom_command(OUTPUT ${font_out}/chars.stamp
    BYPRODUCTS ${font_out}/chars.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${font_out}
    COMMAND ${KORVANTA_PYTHON} ${makefaces} chars ${font_out}/chars.txt ${shown_texts}
    COMMAND ${CMAKE_COMMAND} -E touch ${font_out}/chars.stamp
    DEPENDS ${makefaces} ${PROJECT_SOURCE_DIR}/tools/buildfiles.py ${shown_texts}
    COMMENT "Collecting the characters the window shows")
set(KORVANTA_FACES)
function(korvanta_make_face name source source_family family style)
    add_custom_command(OUTPUT ${font_out}/${name}
        COMMAND ${KORVANTA_PYTHON} ${makefaces} face ${font_out}/chars.txt ${source}
                ${source_family} ${family} ${style} ${font_out}/${name}
        DEPENDS ${makefaces} ${font_out}/chars.stamp ${font_out}/chars.txt
        COMMENT "Making the face ${family} ${style}"
        VERBATIM)
    set_source_files_properties(${font_out}/${name} PROPERTIES QT_RESOURCE_ALIAS ${name})
    set(KORVANTA_FACES ${KORVANTA_FACES} ${font_out}/${name} PARENT_SCOPE)
endfunction()
korvanta_make_face(KorvantaSerif-Regular.otf ${KORVANTA_SOURCE_NotoSerifCJK_Regular_ttc}
                   "Noto Serif CJK SC" "Korvanta Serif" Regular)
korvanta_make_face(KorvantaSerif-Bold.otf ${KORVANTA_SOURCE_NotoSerifCJK_Bold_ttc}
                   "Noto Serif CJK SC" "Korvanta Serif" Bold)
korvanta_make_face(KorvantaSans-Regular.otf ${KORVANTA_SOURCE_NotoSansCJK_Regular_ttc}
                   "Noto Sans CJK SC" "Korvanta Sans" Regular)
korvanta_make_face(KorvantaComic-Regular.otf ${KORVANTA_SOURCE_ComicNeue_Regular_otf}
                   "Comic Neue" "Korvanta Comic" Regular)
qt_add_resources(korvanta_window "fonts" PREFIX "/fonts" FILES ${KORVANTA_FACES})
