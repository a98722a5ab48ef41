# The Debian package: what it holds beyond the binary (icons, manual page, metadata,
# changelog and copyright) and how CPack makes it. Included from the top CMakeLists.txt.

set(TOLVA_MAINTAINER "Tolva developers <tolva@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")
set(generated ${CMAKE_BINARY_DIR}/packaging)
set(TOLVA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tolva)

# The PNG icons come from the SVG at build time, so the two can never drift apart.
find_program(TOLVA_RSVG_CONVERT rsvg-convert)
if(NOT TOLVA_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert draws the PNG icons: install the Debian package "
                        "librsvg2-bin (scripts/deps.sh does)")
endif()
set(package_files)
foreach(size 48 256)
    set(png ${generated}/icons/${size}/tolva.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
                       COMMAND ${TOLVA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
                               ${PROJECT_SOURCE_DIR}/data/tolva.svg
                       DEPENDS ${PROJECT_SOURCE_DIR}/data/tolva.svg
                       COMMENT "Drawing the ${size} pixel icon" VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND package_files ${png})
endforeach()

# The manual page is written from the command line's own tables, as --help is.
add_executable(tolva_manpage packaging/manpage.cpp)
target_link_libraries(tolva_manpage PRIVATE tolva_model tolva_warnings)
add_custom_command(OUTPUT ${generated}/tolva.1.gz
                   COMMAND tolva_manpage ${generated}/tolva.1
                   COMMAND gzip -9nf ${generated}/tolva.1
                   DEPENDS tolva_manpage COMMENT "Writing the manual page" VERBATIM)
# The version has no Debian revision (a native package), whose changelog is changelog.gz.
add_custom_command(OUTPUT ${generated}/changelog.gz
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog
                           > ${generated}/changelog.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
list(APPEND package_files ${generated}/tolva.1.gz ${generated}/changelog.gz)
add_custom_target(tolva_package_files ALL DEPENDS ${package_files})

install(FILES ${generated}/tolva.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/io.github.tolva.Tolva.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright ${generated}/changelog.gz DESTINATION ${TOLVA_DOC_DIR})

# CPack's DEB generator packs exactly what `cmake --install` installs, so the install rules
# above stay the one list of files; dpkg-buildpackage would need a debian/ folder that
# repeats them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolva)
set(CPACK_PACKAGE_VENDOR "Tolva developers")
set(CPACK_PACKAGE_CONTACT ${TOLVA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written HTML pages")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tolva)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TOLVA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/tolva/tolva")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The window icon is an SVG, drawn by Qt's SVG image plugin, which nothing links directly.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# CPack indents these lines and writes the empty one as " ." under the summary.
set(CPACK_PACKAGE_DESCRIPTION
    "Tolva edits the source of an HTML page as plain text in one large buffer,
surrounded by buttons, menus and a command box that insert markup or wrap
the selection in tags. Dialogs build lists, links, images, rules, tables,
objects and the page's properties.

A typing assistant completes tags and offers the dialog for what is being
typed; smart select, smart correct and tag deletion work on the tag at the
cursor. Restore points, a snippet clipboard, find and replace and a preview
of the saved page complete it.")
include(CPack)
