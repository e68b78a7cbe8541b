# Installation under a prefix (`cmake --install`) and the Debian package (`make package`, CPack).
#
#   bin/                                  tamvelox, tamvelox-cli
#   share/tamvelox/                       tzns256.bmp, the title bitmap of new projects
#   share/applications/                   org.tamvelox.tamvelox.desktop (the ID the AppStream data and a build-tree run use)
#   share/icons/hicolor/{scalable,48x48,256x256}/apps/
#   share/mime/packages/tamvelox.xml      the .tvx file type
#   share/metainfo/                       the software centre's description
#   share/man/man1/                       tamvelox.1.gz, tamvelox-cli.1.gz (from resources/man/*.scd)
#   share/doc/tamvelox/                   copyright, changelog.gz

include(GNUInstallDirs)

set(TAMVELOX_RES ${CMAKE_SOURCE_DIR}/resources)
set(TAMVELOX_APP_ID org.tamvelox.tamvelox)

install(TARGETS tamvelox-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tamvelox)
    install(TARGETS tamvelox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The programs look for their data in <prefix>/share/tamvelox, beside their own bin/ folder.
install(FILES ${TAMVELOX_RES}/tzns256.bmp DESTINATION ${CMAKE_INSTALL_DATADIR}/tamvelox)

if(UNIX AND TARGET tamvelox)
    # The desktop's view of the wizard: menu entry, icon, file type, software centre.
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${TAMVELOX_RES}/desktop/${TAMVELOX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TAMVELOX_RES}/desktop/${TAMVELOX_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${TAMVELOX_RES}/desktop/tamvelox-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME tamvelox.xml)
    install(FILES ${TAMVELOX_RES}/icons/tamvelox.svg DESTINATION ${icons}/scalable/apps)
    install(FILES ${TAMVELOX_RES}/icons/tamvelox-48.png DESTINATION ${icons}/48x48/apps RENAME tamvelox.png)
    install(FILES ${TAMVELOX_RES}/icons/tamvelox-256.png DESTINATION ${icons}/256x256/apps RENAME tamvelox.png)
    # The manual F1 shows (compiled in), also for reading without the program.
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tamvelox/manual)
endif()

if(UNIX)

    # Manual pages: scdoc turns the sources into roff, gzip -n keeps the result reproducible.
    find_program(SCDOC_EXECUTABLE scdoc)
    find_program(GZIP_EXECUTABLE gzip)
    set(man_dir ${CMAKE_BINARY_DIR}/man)
    set(docs_dir ${CMAKE_BINARY_DIR}/doc)
    set(generated)
    if(SCDOC_EXECUTABLE AND GZIP_EXECUTABLE)
        set(pages tamvelox-cli)
        if(TARGET tamvelox)
            list(APPEND pages tamvelox)
        endif()
        foreach(page ${pages})
            set(src ${TAMVELOX_RES}/man/${page}.1.scd)
            add_custom_command(
                OUTPUT ${man_dir}/${page}.1 ${man_dir}/${page}.1.gz
                COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
                COMMAND ${SCDOC_EXECUTABLE} < ${src} > ${man_dir}/${page}.1
                COMMAND ${GZIP_EXECUTABLE} -9nc ${man_dir}/${page}.1 > ${man_dir}/${page}.1.gz
                DEPENDS ${src}
                COMMENT "Manual page ${page}(1)"
                VERBATIM)
            list(APPEND generated ${man_dir}/${page}.1.gz)
            install(FILES ${man_dir}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        endforeach()
    else()
        message(WARNING "scdoc or gzip not found: the manual pages are not built (scripts/install-deps)")
    endif()
    if(GZIP_EXECUTABLE)
        add_custom_command(
            OUTPUT ${docs_dir}/changelog.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${docs_dir}
            COMMAND ${GZIP_EXECUTABLE} -9nc ${CMAKE_SOURCE_DIR}/debian/changelog > ${docs_dir}/changelog.gz
            DEPENDS ${CMAKE_SOURCE_DIR}/debian/changelog
            VERBATIM)
        list(APPEND generated ${docs_dir}/changelog.gz)
        install(FILES ${docs_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tamvelox)
    endif()
    add_custom_target(tamvelox_docs ALL DEPENDS ${generated})
    install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tamvelox)
endif()

# ---- Debian package: `make package` (scripts/make-package) runs cpack -G DEB on a release build ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamvelox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tamvelox developers")
set(CPACK_PACKAGE_CONTACT "Tamvelox developers <tamvelox@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard for the setup scripts of a Windows application")
# The extended description: one line per paragraph line, as dpkg wants it (CPack indents it).
set(CPACK_PACKAGE_DESCRIPTION
    "Tamvelox (Tamrin Installer Velox) walks a software author through eight wizard
pages that describe the setup of one Windows application: folders, readme and
licence, the look of the setup screens, files, shortcuts, registry and INI
changes, and the programs to run around installation. From the saved .tvx
project it builds the deployment folder with the installer engine's scripts.
.
The package holds the wizard (tamvelox) and the console tool (tamvelox-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from the programs' shared libraries; Recommends are what they start or draw with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
