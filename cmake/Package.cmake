# The Debian package: `cpack -G DEB` in a build directory, after building it.
# The libraries the programs link are found by dpkg-shlibdeps (Qt 6, libpng,
# libjpeg, zlib, libmodbus); what is loaded at run time without being linked is
# named here: Qt's platform plugins (the window, and the offscreen platform of
# --headless) and fonts for the window's Chinese and Latin texts.
set(CPACK_PACKAGE_NAME sensor-monitor)
set(CPACK_PACKAGE_VENDOR "Sensor monitor developers")
set(CPACK_PACKAGE_CONTACT "Sensor monitor developers <sensor-monitor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop program that polls one industrial sensor over Modbus RTU, shows its readings on seven-segment displays, draws them on a strip chart and logs them as CSV. With the sensor simulator sensor-sim and the component library (strip chart, seven-segment displays, serial port) as static libraries with headers and a CMake package, SensorMonitor.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY sensor-monitor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-liberation")
# What a program built against the installed headers and libraries needs.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-base-dev, libpng-dev, libjpeg-dev, zlib1g-dev, cmake")

include(CPack)
