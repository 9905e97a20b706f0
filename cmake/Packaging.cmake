# Where `cmake --install` puts the program and its files, and the .deb that cpack makes of them.
include(GNUInstallDirs)
install(TARGETS surfplot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/surfplot.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/surfplot.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME surfplot)
set(CPACK_PACKAGE_CONTACT "surfplot developers <surfplot@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plots a surface Z = f(X, Y) as a shaded 3-D mesh")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a formula in X and Y, the X and Y ranges and a resolution, and the program
draws the surface as a mesh of filled cells over three axes. Dragging with the
mouse turns the view, an up-down control scales it, and four colour modes shade
the cells.")
# A package carries the program without its debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies come from the binary itself; the fonts the window names do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
