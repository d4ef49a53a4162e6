# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh makes the release one).
# The package installs under /usr whatever prefix the build was configured with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalkulo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Die Kalkulo-Entwickler <kalkulo@example.org>")
set(CPACK_PACKAGE_VENDOR "Kalkulo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tischrechner mit Papierstreifen (desk calculator with a paper tape)")
set(CPACK_PACKAGE_DESCRIPTION "Kalkulo is a German desk calculator: two calculators sharing one display,
a paper Tape that records every calculation, a financial calculator for loans and savings plans,
a currency converter, panels for trigonometry, units, taxes and user functions, and a plotter.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KALKULO_HOMEPAGE})

# Depends comes from dpkg-shlibdeps over the program. The browser module is left out of it on
# purpose: Kalkulo runs without a web engine (the web pages window then says so), so the module's
# libraries are only recommended, and so is the word processor that takes the Tape. CPack's own
# shlibdeps would scan every file and make the web engine a hard dependency, so the lists are
# computed here, at packaging time, from the binaries of this build.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(KALKULO_PACKAGE_RECOMMENDS "libreoffice-writer, qt6-translations-l10n, fonts-liberation")
if(TARGET kalkulo_webbrowser)
  set(module_file $<TARGET_FILE:kalkulo_webbrowser>)
else()
  set(module_file "")
endif()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/KalkuloPackageDepends.cmake CONTENT "
set(program \"$<TARGET_FILE:kalkulo>\")
set(module \"${module_file}\")
set(work \"${CMAKE_BINARY_DIR}/shlibdeps\")
set(recommends \"${KALKULO_PACKAGE_RECOMMENDS}\")
include(\"${CMAKE_CURRENT_LIST_DIR}/shlibdeps.cmake\")
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/KalkuloPackageDepends.cmake)

include(CPack)
