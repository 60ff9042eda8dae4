# What `cmake --install` puts where, and the Debian package that CPack builds from it
# (scripts/package). Only the three programs and the desktop files are installed: tests and
# benchmarks have no install rules. The programs need nothing from the build or source folder at
# run time: their data are compiled in, the fonts come from the system.

include(GNUInstallDirs)

set(VELMARSUND_APP_ID com.velmarsund.Rotor)
set(VELMARSUND_PACKAGE velmarsund-rotor)
set(_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(_staged ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS velmarsund-rotor rotorcalc rotorsheet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Menu entry, file type, software-centre data.
install(FILES ${_packaging}/${VELMARSUND_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${_packaging}/velmarsund-rotor-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME ${VELMARSUND_PACKAGE}.xml)
configure_file(${_packaging}/${VELMARSUND_APP_ID}.metainfo.xml.in ${_staged}/${VELMARSUND_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_staged}/${VELMARSUND_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# Icons in the hicolor theme: our SVG artwork, and PNGs of the sizes desktops look up first,
# drawn from the same SVG at build time.
set(_icons ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
set(_app_svg ${PROJECT_SOURCE_DIR}/app/ui/pictures/app-icon.svg)
set(_mime_svg ${_packaging}/icons/application-x-velmarsund-selection.svg)
install(FILES ${_app_svg} DESTINATION ${_icons}/scalable/apps RENAME ${VELMARSUND_APP_ID}.svg)
install(FILES ${_mime_svg} DESTINATION ${_icons}/scalable/mimetypes)
find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) draws the PNG icons; scripts/install-deps installs it")
endif()
set(_pngs)
foreach(size 16 22 24 32 48 64 128 256 512)
  foreach(kind apps mimetypes)
    if(kind STREQUAL apps)
      set(_svg ${_app_svg})
      set(_name ${VELMARSUND_APP_ID})
    else()
      set(_svg ${_mime_svg})
      set(_name application-x-velmarsund-selection)
    endif()
    set(_png ${_staged}/icons/${size}x${size}/${kind}/${_name}.png)
    add_custom_command(OUTPUT ${_png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_staged}/icons/${size}x${size}/${kind}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${_png} ${_svg}
      DEPENDS ${_svg} VERBATIM)
    list(APPEND _pngs ${_png})
    install(FILES ${_png} DESTINATION ${_icons}/${size}x${size}/${kind})
  endforeach()
endforeach()

# Manual pages and the Debian changelog, compressed as Debian keeps them (man reads them so
# everywhere); -n leaves out name and time, so the same source gives the same bytes.
set(_gzipped)
foreach(page rotorcalc.1 rotorsheet.1 velmarsund-rotor.1)
  add_custom_command(OUTPUT ${_staged}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_staged}/man
    COMMAND gzip -9nc ${_packaging}/man/${page} > ${_staged}/man/${page}.gz
    DEPENDS ${_packaging}/man/${page})
  list(APPEND _gzipped ${_staged}/man/${page}.gz)
  install(FILES ${_staged}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${VELMARSUND_PACKAGE})
add_custom_command(OUTPUT ${_staged}/changelog.gz
  COMMAND gzip -9nc ${_packaging}/changelog > ${_staged}/changelog.gz
  DEPENDS ${_packaging}/changelog)
install(FILES ${_staged}/changelog.gz ${_packaging}/copyright DESTINATION ${_docdir})
add_custom_target(velmarsund_install_files ALL DEPENDS ${_pngs} ${_gzipped} ${_staged}/changelog.gz)

# The Debian package: velmarsund-rotor_<version>_<architecture>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VELMARSUND_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmarsund GmbH")
set(CPACK_PACKAGE_CONTACT "Velmarsund GmbH <support@velmarsund.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmarsund GmbH <support@velmarsund.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.velmarsund.com)
# The libraries the programs link, as dpkg-shlibdeps finds them, and the fonts of windows and pages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"selection and calculation of rotary heat exchangers
Velmarsund Rotor selects and calculates rotary regenerative heat exchangers
(heat wheels) for air-handling units: outlet states, EN 308 efficiencies,
AHRI 1060 effectiveness, heat flows, condensate, frost risk, pressure drops,
the DIN EN 13053 energy class, weight, drive motor, leakage and purge air.
.
The package holds the window program velmarsund-rotor, which prints data
sheets, psychrometric charts and description pages in six languages, and the
command-line tools rotorcalc (calculations from JSON requests) and rotorsheet
(pages as PDF or PNG without a display).")
include(CPack)
