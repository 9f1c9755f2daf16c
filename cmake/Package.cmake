# The Debian package: `cpack -G DEB` in a build directory, after building it.
# The libraries the programs link are found by dpkg-shlibdeps (Qt 6, libmodbus,
# ...); the rest is named here: the packages of the libpng and libjpeg that the
# component library in the package was built against (the monitor links only
# what it calls, and it may call no encoder), Qt's platform plugins (loaded by
# the window and by --headless's offscreen platform, never linked) and fonts for
# the window's Chinese and Latin texts.
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
# The Debian package that holds a library file of this machine ("libpng16-16").
function(sm_debian_package_of result library)
  file(REAL_PATH "${library}" file)
  execute_process(COMMAND dpkg-query --search "${file}" OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "No Debian package holds ${file}: the .deb would not name what it needs")
  endif()
  string(REGEX REPLACE "[:,].*" "" owner "${owner}")
  set(${result} ${owner} PARENT_SCOPE)
endfunction()

set(depends qt6-qpa-plugins)
find_program(SM_DPKG_QUERY dpkg-query)
if(SM_DPKG_QUERY)
  foreach(library ${PNG_LIBRARY_RELEASE} ${JPEG_LIBRARY_RELEASE})
    sm_debian_package_of(package ${library})
    list(APPEND depends ${package})
  endforeach()
endif()
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-liberation")
# What a program built against the installed headers and libraries needs.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-base-dev, libpng-dev, libjpeg-dev, zlib1g-dev, cmake")

include(CPack)
