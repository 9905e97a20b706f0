# Where `cmake --install` puts the program and its files, and the .deb that cpack makes of them.
include(GNUInstallDirs)

# Written here once: the data files below take them from these variables.
set(SURFPLOT_APP_ID org.surfplot.surfplot)
set(SURFPLOT_HOMEPAGE https://surfplot.org/)
set(SURFPLOT_MAINTAINER_ADDRESS surfplot-devel@lists.surfplot.org)
set(SURFPLOT_MAINTAINER "surfplot developers <${SURFPLOT_MAINTAINER_ADDRESS}>")

set(packaging_sources ${PROJECT_SOURCE_DIR}/data)
set(packaging_output ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_output})

# Compresses SOURCE into TARGET at configure time, without a name or a time stamp in
# the header (gzip -n) so that the same source always gives the same bytes; editing
# SOURCE makes the build configure again.
find_program(SURFPLOT_GZIP gzip REQUIRED)
function(surfplot_gzip source target)
  execute_process(COMMAND ${SURFPLOT_GZIP} -9 -n -c ${source}
                  OUTPUT_FILE ${target} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${source}")
  endif()
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

# ---- The program, its desktop entry, icon, AppStream description and manual page ----

install(TARGETS surfplot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Binding every symbol at start-up lets the relocations be made read-only (full RELRO).
target_link_options(surfplot PRIVATE "LINKER:-z,now")
# A stripped install (cpack's) drops the compilers' identification strings too.
if(CMAKE_OBJCOPY)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/surfplot\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()
install(FILES ${packaging_sources}/${SURFPLOT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_sources}/surfplot.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Where bash-completion looks for a command's completion, by the command's name.
install(FILES ${packaging_sources}/surfplot.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME surfplot)

configure_file(${packaging_sources}/${SURFPLOT_APP_ID}.metainfo.xml.in ${packaging_output}/${SURFPLOT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_output}/${SURFPLOT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

surfplot_gzip(${packaging_sources}/surfplot.1 ${packaging_output}/surfplot.1.gz)
install(FILES ${packaging_output}/surfplot.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# ---- The copyright file and the changelog, in share/doc/surfplot ----

# The copyright file carries the licence's permission notice from LICENSE, as a
# machine-readable copyright file wants it: each line indented, "." for a blank line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE packaging_licence)
string(FIND "${packaging_licence}" "Permission is hereby granted" packaging_notice_start)
if(packaging_notice_start LESS 0)
  message(FATAL_ERROR "LICENSE does not hold the MIT licence's permission notice")
endif()
string(SUBSTRING "${packaging_licence}" ${packaging_notice_start} -1 packaging_notice)
string(STRIP "${packaging_notice}" packaging_notice)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" packaging_notice "${packaging_notice}")
string(REPLACE "\n" "\n " packaging_notice "${packaging_notice}")
set(SURFPLOT_LICENSE_TEXT " ${packaging_notice}")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
configure_file(${packaging_sources}/copyright.in ${packaging_output}/copyright @ONLY)
install(FILES ${packaging_output}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A package whose version has no Debian revision is a native one: its changelog is
# changelog.gz, and its top entry is this version.
configure_file(${packaging_sources}/changelog.in ${packaging_output}/changelog @ONLY)
surfplot_gzip(${packaging_output}/changelog ${packaging_output}/changelog.gz)
install(FILES ${packaging_output}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# ---- The .deb ----

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME surfplot)
set(CPACK_PACKAGE_CONTACT "${SURFPLOT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plots a surface Z = f(X, Y) as a shaded 3-D mesh")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a formula in X and Y, the X and Y ranges and a resolution, and the program
draws the surface as a mesh of filled cells over three axes. Dragging with the
mouse turns the view, an up-down control scales it, and four colour modes shade
the cells.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# A package carries the program without its debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SURFPLOT_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies come from the binary itself; the fonts the window names do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
