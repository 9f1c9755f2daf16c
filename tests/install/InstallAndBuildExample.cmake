# cmake -DBUILD_DIR=... -DEXAMPLE_DIR=... -DWORK_DIR=... -DGENERATOR=... -DCXX_COMPILER=... [-DLAUNCHER=ccache]
#   -P InstallAndBuildExample.cmake
# The prefix and the example's build stay at the same paths from run to run,
# so that the compiler cache knows the example's one unit again.
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${status}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# What a desktop and a user of the package find.
foreach(file
    bin/sensor-monitor bin/sensor-sim
    share/applications/sensor-monitor.desktop
    share/icons/hicolor/16x16/apps/sensor-monitor.png share/icons/hicolor/256x256/apps/sensor-monitor.png
    share/man/man1/sensor-monitor.1.gz share/man/man1/sensor-sim.1.gz
    share/doc/sensor-monitor/README.md
    include/SensorMonitor/plot/dIred.h include/SensorMonitor/platform/ControlQt.h include/SensorMonitor/opc/dEDOItem.h)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()

# The installed monitor runs on its own (no path into the build tree).
run(${prefix}/bin/sensor-monitor --headless --port COM0 --open --period 0.01 --samples 2)
if(NOT out MATCHES "^[0-9][0-9]:[0-9][0-9]:[0-9][0-9],[0-9.]+\r?\n[0-9:]+,[0-9.]+\r?\n$")
  message(FATAL_ERROR "the installed monitor printed no two log lines:\n${out}")
endif()

set(example ${WORK_DIR}/example)
set(options -G ${GENERATOR} -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
            -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
if(LAUNCHER)
  list(APPEND options -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${example} ${options})
# Found in the prefix, not in the build tree.
file(STRINGS ${example}/CMakeCache.txt found REGEX "^SensorMonitor_DIR:")
string(FIND "${found}" "SensorMonitor_DIR:PATH=${prefix}/" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "the example found the package elsewhere: ${found}")
endif()
run(${CMAKE_COMMAND} --build ${example})

run(${example}/strip-chart --frames 5)
if(NOT out STREQUAL "5 points per channel\n")
  message(FATAL_ERROR "the example printed \"${out}\", not its 5 points per channel")
endif()
