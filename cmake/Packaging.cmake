# What an installation holds, and the Debian package made of it
# (scripts/package.sh): the program, its menu entry, its icons, its AppStream
# metainfo, its manual page and, in its documentation folder, the guide, the
# copyright and the changelog. The user's data never goes in the package: an installed copy
# keeps it in the user's documents (Vacanzio/), which removing the package
# leaves alone.
set(VACANZIO_ID "it.vacanzio.Vacanzio")
set(VACANZIO_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(VACANZIO_PACKAGE_FILES_DIR "${CMAKE_BINARY_DIR}/package-files")
set(VACANZIO_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/vacanzio")

install(TARGETS vacanzio RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${VACANZIO_PACKAGING_DIR}/${VACANZIO_ID}.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VACANZIO_PACKAGING_DIR}/${VACANZIO_ID}.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${VACANZIO_PACKAGING_DIR}/${VACANZIO_ID}.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

# The PNG sizes of the icon theme, rendered from the SVG.
find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(vacanzio_icon_png "${PROJECT_SOURCE_DIR}/src/programs/icon_png.cpp")
target_link_libraries(vacanzio_icon_png PRIVATE Qt6::Gui Qt6::Svg)
set(icon_pngs)
foreach(size 16 22 24 32 48 64 128 256)
  set(png "${VACANZIO_PACKAGE_FILES_DIR}/icons/${size}x${size}/${VACANZIO_ID}.png")
  add_custom_command(OUTPUT "${png}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${VACANZIO_PACKAGE_FILES_DIR}/icons/${size}x${size}"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      $<TARGET_FILE:vacanzio_icon_png> "${VACANZIO_PACKAGING_DIR}/${VACANZIO_ID}.svg" ${size} "${png}"
    DEPENDS vacanzio_icon_png "${VACANZIO_PACKAGING_DIR}/${VACANZIO_ID}.svg"
    COMMENT "Rendering the ${size}x${size} icon")
  install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
  list(APPEND icon_pngs "${png}")
endforeach()

# The guide as the package installs it: always drawn afresh from the topics.
set(package_guide "${VACANZIO_PACKAGE_FILES_DIR}/doc/Guida.pdf")
add_custom_command(OUTPUT "${package_guide}"
  COMMAND ${CMAKE_COMMAND} -E rm -f "${package_guide}"
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:vacanzio_guide_pdf> "${VACANZIO_PACKAGE_FILES_DIR}/doc"
  DEPENDS vacanzio_guide_pdf
  COMMENT "Drawing the guide for the package")
install(FILES "${package_guide}" DESTINATION "${VACANZIO_DOC_DIR}")

# Debian wants the changelog of a native package and the manual page
# compressed, without a time stamp in the gzip header.
set(gzipped)
foreach(page changelog vacanzio.1)
  set(gz "${VACANZIO_PACKAGE_FILES_DIR}/doc/${page}.gz")
  add_custom_command(OUTPUT "${gz}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${VACANZIO_PACKAGE_FILES_DIR}/doc"
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"" sh
      "${VACANZIO_PACKAGING_DIR}/${page}" "${gz}"
    DEPENDS "${VACANZIO_PACKAGING_DIR}/${page}"
    VERBATIM)
  list(APPEND gzipped "${gz}")
endforeach()
install(FILES "${VACANZIO_PACKAGE_FILES_DIR}/doc/changelog.gz" "${VACANZIO_PACKAGING_DIR}/copyright"
  DESTINATION "${VACANZIO_DOC_DIR}")
install(FILES "${VACANZIO_PACKAGE_FILES_DIR}/doc/vacanzio.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

add_custom_target(vacanzio_package_files ALL DEPENDS ${icon_pngs} "${package_guide}" ${gzipped})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vacanzio)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Vacanzio")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contratti di locazione turistica e ricevute per case vacanza")
set(CPACK_PACKAGE_DESCRIPTION
  "Vacanzio è il programma per chi affitta case vacanza per soggiorni di meno di
trenta giorni: archivi di immobili, locatori, conduttori, contratti e ricevute,
con la stampa del contratto di locazione turistica e delle ricevute, le
ricerche, l'esportazione in fogli di calcolo, le copie di sicurezza.
I dati stanno nella cartella Vacanzio dei documenti dell'utente.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vacanzio <info@vacanzio.it>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vacanzio.it")
# The libraries are found in the binary; the fonts the pages are drawn with
# are not libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
