# Installs the program like a desktop program and describes its Debian package:
#   cmake --build build && (cd build && cpack -G DEB)
# The package's library dependencies come from dpkg-shlibdeps; what the program loads at run
# time without linking it (the display plugins, Qt's Portuguese texts) is named here.
include(GNUInstallDirs)

install(TARGETS tavolim tavolim-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tavolim.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tavolim.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The menu's PNG sizes are drawn from the SVG at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(TAVOLIM_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_pngs "")
foreach(size IN LISTS TAVOLIM_ICON_SIZES)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/tavolim.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
                ${PROJECT_SOURCE_DIR}/packaging/tavolim.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/tavolim.svg VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tavolim_icons ALL DEPENDS ${icon_pngs})

set(CPACK_PACKAGE_NAME tavolim)
set(CPACK_PACKAGE_VENDOR "Tavolim")
set(CPACK_PACKAGE_CONTACT "Tavolim <suporte@tavolim.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gestão de locadora de vídeo")
set(CPACK_PACKAGE_DESCRIPTION
    "Clientes e dependentes, fitas, locações, devoluções, contas, reservas, vendas, estoque,\n\
livros, relatórios e cópias de segurança de uma locadora de vídeo. Inclui o programa\n\
tavolim e a ferramenta de linha de comando tavolim-tool.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_GENERATOR DEB)
include(CPack)
