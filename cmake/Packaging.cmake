# Debian package of the program: `cpack -G DEB` in a build tree (scripts/package does it all).
# The package holds exactly what the install rules install, i.e. the program, its desktop
# entry and its icons; the libraries are static and the tests have no install rules.

# Without the GUI there is no program to ship.
if(NOT ORVANE_GUI)
    return()
endif()

# Values reach CPackConfig.cmake as written, backslashes and semicolons included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane-calc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Orvane_Calc developers <maintainers@users.noreply.c-seed-e13b8bad.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resource calculator for Trelis IP PBXes")
set(CPACK_PACKAGE_DESCRIPTION [=[
Orvane_Calc sizes a Trelis IP PBX before you buy one. Pick a PBX model, the
feature keys it is to have and a mix of IP phones, analog phones,
auto-attendant instances and virtual extensions: the calculator shows the
model's fixed capacities, offers in every list only the numbers that still fit
beside the rest of the mix, and works out the memory per user and the peak WAN
traffic with the G.729 and G.711 codecs.

Labels come in English and Spanish.]=])
# Release builds carry no debug information worth shipping.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends comes from the linked Qt 6 libraries, so it follows whatever Qt the build used.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Native Wayland windows, and the sans-serif whose widths keep the form's texts inside
# their boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation2")

# `package_source` would otherwise sweep the git history and every build tree into four
# archives.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/\\.cache/")

include(CPack)
