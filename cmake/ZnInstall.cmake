# Installing the editor (GNUInstallDirs) and packaging it as a .deb through CPack.
#   bin/znackar and bin/znackar-batch, the plug-in host in libexec/znackar/, the example plug-ins in
#   lib/znackar/plugins/, share/znackar/ (everything in data/), the desktop entry, the icon in every
#   size, AppStream metadata, the manual page in English and Czech, and for the package the
#   Debian copyright and changelog.
include(GNUInstallDirs)

set(ZN_ID cz.znackar.Znackar)
set(ZN_PACKAGE_CONTACT "The Značkář developers <znackar@example.org>"
    CACHE STRING "Maintainer of the Debian package")
set(ZN_DIST ${PROJECT_SOURCE_DIR}/dist)
set(ZN_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/znackar)

install(TARGETS znackar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command-line tool for many files at once, beside the editor.
install(TARGETS znackar-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The editor runs every plug-in through this helper, found in ../libexec/znackar beside it.
install(TARGETS znackar-plugin-host RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/znackar)
# The example plug-ins, in ../lib/znackar/plugins beside the executable, where the plug-in
# dialog of "Možnosti" opens (a fixed "lib": the folder is the program's own, not a library path).
install(TARGETS czech-entities strip-tags LIBRARY DESTINATION lib/znackar/plugins)
# The program looks for its data in ../share/znackar beside its executable.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/znackar)
install(FILES ${ZN_DIST}/${ZN_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${ZN_DIST}/${ZN_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(DIRECTORY ${ZN_DIST}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)

# Manual pages and the changelog go compressed, as Debian wants them; gzip -n keeps the
# output free of time stamps.
find_program(ZN_GZIP gzip REQUIRED)
set(ZN_GZ_DIR ${PROJECT_BINARY_DIR}/dist)
configure_file(${ZN_DIST}/debian/changelog.in ${ZN_GZ_DIR}/changelog.Debian @ONLY)
set(ZN_GZ_FILES "")
foreach(pair "man/znackar.1|man1/znackar.1" "man/znackar.cs.1|cs/man1/znackar.1"
             "man/znackar-batch.1|man1/znackar-batch.1"
             "man/znackar-batch.cs.1|cs/man1/znackar-batch.1"
             "${ZN_GZ_DIR}/changelog.Debian|changelog.Debian")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    if(NOT IS_ABSOLUTE ${source})
        set(source ${ZN_DIST}/${source})
    endif()
    set(output ${ZN_GZ_DIR}/${target}.gz)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${ZN_GZIP} -9n -c ${source} > ${output}
        DEPENDS ${source} VERBATIM)
    list(APPEND ZN_GZ_FILES ${output})
endforeach()
add_custom_target(znackar_dist ALL DEPENDS ${ZN_GZ_FILES})

install(FILES ${ZN_GZ_DIR}/man1/znackar.1.gz ${ZN_GZ_DIR}/man1/znackar-batch.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZN_GZ_DIR}/cs/man1/znackar.1.gz ${ZN_GZ_DIR}/cs/man1/znackar-batch.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/cs/man1)
install(FILES ${ZN_DIST}/debian/copyright ${ZN_GZ_DIR}/changelog.Debian.gz
    DESTINATION ${ZN_DOCDIR})

# cpack -G DEB in the build folder writes znackar_<version>-1_<arch>.deb.
set(CPACK_PACKAGE_NAME znackar)
set(CPACK_PACKAGE_VENDOR "The Značkář developers")
set(CPACK_PACKAGE_CONTACT "${ZN_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the source text of web pages")
# The synopsis comes from the summary, this is the long description after it (CPack indents
# its lines).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Značkář edits HTML source with its CSS and JavaScript,
with a Czech user interface. Its text control knows the tag under the caret,
colours tags, attribute names and values, and the Tag Inspector rewrites the
attributes of that tag. Wizards write tables, image maps, style sheets,
framesets and picture galleries.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The embedded browser loads its plug-ins at run time; shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
