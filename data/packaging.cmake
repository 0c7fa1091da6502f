# The Debian package of what `cmake --install` puts in place, made by
# `cpack -G DEB` in the build folder (./scripts/package does both). Its
# library dependencies come from dpkg-shlibdeps, so they follow the Qt
# packages of the system it is built on; the platform plugins that open the
# window are loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvelan)
set(CPACK_PACKAGE_VENDOR Korvelan)
set(CPACK_PACKAGE_CONTACT "Korvelan developers <packages@korvelan.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draughts on the 8 x 8 board with a strong engine")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvelan plays draughts on the 32 dark squares of the 8 x 8 board against the computer, "
    "in rated matches or between two people, with analysis of finished games, problems and lessons, "
    "a flat board and boards pictured in 3D, in six languages. korvelan-cli drives its engine, "
    "its files and its tables from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KV_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
