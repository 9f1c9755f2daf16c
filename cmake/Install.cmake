# What `cmake --install` puts where: the programs with their manual pages, the
# desktop entry and icons, the README, and the component library (headers,
# static libraries and the SensorMonitor package configuration).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Headers keep their folder ("plot/dIredAxis.h") under a directory of the
# package's own, and the static libraries sit apart, so that short names like
# libplot.a meet no other package's.
set(SM_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/SensorMonitor)
set(SM_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/SensorMonitor)
set(SM_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/SensorMonitor)

# sm_install_folder(): installs every library of the current folder (the
# parts included from its *.cmake files too) and the folder's headers. Each
# library is also SensorMonitor::<name> in this build, so that a project that
# adds this one as a subdirectory links the same names as one that finds the
# installed package.
function(sm_install_folder)
  sm_current_folder(folder)
  get_property(targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
  set(libraries)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "INTERFACE_LIBRARY")
      list(APPEND libraries ${target})
      add_library(SensorMonitor::${target} ALIAS ${target})
    endif()
  endforeach()
  install(TARGETS ${libraries} EXPORT SensorMonitorTargets ARCHIVE DESTINATION ${SM_INSTALL_LIBDIR})
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/ DESTINATION ${SM_INSTALL_INCLUDEDIR}/${folder}
    FILES_MATCHING PATTERN "*.h")
endfunction()

# sm_install_program(target [DESKTOP ICONS icon-writer]): installs a program
# and a manual page made from its --help. DESKTOP adds the desktop entry
# cmake/<target>.desktop.in and the icon files that icon-writer (a program
# taking a directory) writes in the icon theme's layout.
function(sm_install_program target)
  cmake_parse_arguments(A "DESKTOP" "ICONS" "" ${ARGN})
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target}
            -DVERSION=${PROJECT_VERSION} -DOUTPUT=${page} -P ${SM_CMAKE_DIR}/ManPage.cmake
    DEPENDS ${target} ${SM_CMAKE_DIR}/ManPage.cmake
    COMMENT "Writing the manual page of ${target}" VERBATIM)
  add_custom_target(${target}-manual ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  if(A_DESKTOP)
    set(SM_SUMMARY "${PROJECT_DESCRIPTION}")
    configure_file(${SM_CMAKE_DIR}/${target}.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.desktop @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

    set(icons ${CMAKE_CURRENT_BINARY_DIR}/${target}-icons)
    add_custom_command(OUTPUT ${icons}.stamp
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${icons}
      COMMAND ${A_ICONS} ${icons}
      COMMAND ${CMAKE_COMMAND} -E touch ${icons}.stamp
      DEPENDS ${A_ICONS}
      COMMENT "Drawing the icon files of ${target}" VERBATIM)
    add_custom_target(${target}-icons ALL DEPENDS ${icons}.stamp)
    install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  endif()
endfunction()
set(SM_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

# The package configuration, once every folder has added its libraries.
function(sm_install_package)
  install(EXPORT SensorMonitorTargets NAMESPACE SensorMonitor:: DESTINATION ${SM_INSTALL_CMAKEDIR})
  list(JOIN SM_QT_COMPONENTS " " SM_QT_COMPONENTS)
  configure_package_config_file(${SM_CMAKE_DIR}/SensorMonitorConfig.cmake.in
    ${PROJECT_BINARY_DIR}/SensorMonitorConfig.cmake INSTALL_DESTINATION ${SM_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/SensorMonitorConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/SensorMonitorConfig.cmake ${PROJECT_BINARY_DIR}/SensorMonitorConfigVersion.cmake
    DESTINATION ${SM_INSTALL_CMAKEDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/sensor-monitor)
endfunction()
