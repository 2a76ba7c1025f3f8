# The Debian package (make package): what every install holds (the two programs, the help pages,
# the desktop entry and its icon), and what a system's package adds: the demo game folder, the
# manual pages, the bash completion, the AppStream metainfo, and Debian's copyright and changelog.
# CPack's DEB generator builds it under /usr; dpkg-shlibdeps works out what it depends on.
if(NOT VALDREN_EDITOR OR NOT TARGET valdren)
  message(FATAL_ERROR "The package holds the editor and the tool: VALDREN_PACKAGE needs both")
endif()
include(GNUInstallDirs)

set(VALDREN_PACKAGE_MAINTAINER "Valdren maintainers <maintainers@valdren.example>"
    CACHE STRING "The package's maintainer, as \"Name <address>\"")
set(VALDREN_SCREENSHOT_URL "https://valdren.example/screenshots/organization.png"
    CACHE STRING "Where software centres fetch the editor's screenshot (docs/screenshots/organization.png)")

# The release's date is its last commit's, so that rebuilding the same source gives the same
# files; outside a repository, the time of configuration.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  string(TIMESTAMP epoch "%s" UTC)
endif()
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
string(TIMESTAMP VALDREN_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP VALDREN_RELEASE_MONTH "%B %Y" UTC)
string(TIMESTAMP VALDREN_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

set(res_dir ${PROJECT_SOURCE_DIR}/res)
set(out_dir ${PROJECT_BINARY_DIR}/package)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
configure_file(${res_dir}/valdren-editor.metainfo.xml.in ${out_dir}/valdren-editor.metainfo.xml @ONLY)
configure_file(${res_dir}/man/valdren-editor.1.in ${out_dir}/valdren-editor.1 @ONLY)
configure_file(${res_dir}/debian/changelog.in ${out_dir}/changelog @ONLY)

# Debian wants manual pages and changelogs compressed at the highest level, without a time stamp.
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${out_dir}/valdren.1.gz
  COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:valdren> -DHELP2MAN=${HELP2MAN} -DGZIP=${GZIP}
          -DINCLUDE=${res_dir}/man/valdren.h2m -DEPOCH=${epoch} -DOUTPUT=${out_dir}/valdren.1.gz
          -P ${PROJECT_SOURCE_DIR}/cmake/ToolManPage.cmake
  DEPENDS valdren ${res_dir}/man/valdren.h2m ${PROJECT_SOURCE_DIR}/cmake/ToolManPage.cmake
  COMMENT "Writing the manual page of valdren from its help"
  VERBATIM)
set(gzipped ${out_dir}/valdren.1.gz)
foreach(file valdren-editor.1 changelog)
  add_custom_command(
    OUTPUT ${out_dir}/${file}.gz
    COMMAND sh -c "\"$1\" -9n -c \"$2\" > \"$3\"" sh ${GZIP} ${out_dir}/${file} ${out_dir}/${file}.gz
    DEPENDS ${out_dir}/${file}
    VERBATIM)
  list(APPEND gzipped ${out_dir}/${file}.gz)
endforeach()
add_custom_target(package_files ALL DEPENDS ${gzipped})

install(FILES ${out_dir}/valdren.1.gz ${out_dir}/valdren-editor.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${res_dir}/bash-completion/valdren
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${out_dir}/valdren-editor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${res_dir}/debian/copyright ${out_dir}/changelog.gz DESTINATION ${doc_dir})
# The demo as the repository holds it: not the error.log a run of the tool leaves in it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/demo DESTINATION ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}
        PATTERN error.log EXCLUDE PATTERN ".*" EXCLUDE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "order of battle editor for a Second World War strategy game")
set(CPACK_PACKAGE_DESCRIPTION [[
A Second World War strategy game keeps a database of unit templates in its
folder: platoons up to armies, each with dated, probability-weighted
alternatives. The Valdren Organization Editor turns it into a named,
numbered order of battle, lets you reshape it, and saves it as an
organization file that the game reads. It shows the strength and value of
any formation, finds templates by name, and undoes every change.

The command-line tool valdren reads and builds the same files for scripts.
A demo game folder, /usr/share/valdren/demo, holds six nations from 1939
to 1945 to try both on.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VALDREN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor's images are SVG, drawn by Qt's SVG plugins, which the program loads at run time and
# does not link: dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
include(CPack)
