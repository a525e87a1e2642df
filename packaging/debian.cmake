# The Debian package of what packaging/CMakeLists.txt installs: `cpack -G DEB`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR HALVERN)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program amateur-radio transceivers over a serial cable")
# Wrapped by hand: dpkg shows the long description as it is.
set(CPACK_PACKAGE_DESCRIPTION [[
TAVRIN edits the complete programmable contents of PX-A5, PX-A7,
RV-310/320, RV-350 and RV-380 transceivers: memory channels with their
names, scan limits, the priority, weather-alert and CALL channels, the
VFO, DTMF memories and the menu settings. It reads and writes them
through a USB serial programming cable, keeps them in .tvr data files,
imports and exports CSV channel lists and prints or exports listings
as PDF.

The package holds the program, the command-line program tavrin-cli,
the transceiver simulator tavrin-radiosim, the user guide, and a udev
rule that gives common programming cable adapters to the dialout group
and keeps ModemManager away from them.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "HALVERN <tavrin@halvern.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-utils opens the guide in the browser; Liberation Serif stands in for the
# Times New Roman the windows are laid out with; Qt's own dialogs speak German
# and Japanese with qt6-translations-l10n, and the Japanese texts need a font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, fonts-liberation, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/postinst ${CMAKE_CURRENT_SOURCE_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
