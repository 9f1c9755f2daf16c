cmake_minimum_required(VERSION 3.25)
# The component library (comm, components, plot, opc) is written against the
# platform layer and the C++ standard library only: a file there that includes
# a Qt header or an operating-system header breaks that promise. Run with
# cmake -DROOT=<project> -P LibraryIncludes.cmake; fails listing each offence.
set(standard
  algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat
  charconv chrono cinttypes climits clocale cmath codecvt compare complex concepts
  condition_variable coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib
  cstring ctime cuchar cwchar cwctype deque exception execution filesystem format
  forward_list fstream functional future initializer_list iomanip ios iosfwd iostream
  istream iterator latch limits list locale map memory memory_resource mutex new
  numbers numeric optional ostream queue random ranges ratio regex scoped_allocator
  semaphore set shared_mutex source_location span sstream stack stdexcept stop_token
  streambuf string string_view syncstream system_error thread tuple type_traits
  typeindex typeinfo unordered_map unordered_set utility valarray variant vector version)

set(offences "")
foreach(folder comm components plot opc)
  file(GLOB_RECURSE files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*<")
    foreach(line ${lines})
      string(REGEX REPLACE ".*<([^>]*)>.*" "\\1" header "${line}")
      if(NOT header IN_LIST standard)
        file(RELATIVE_PATH rel ${ROOT} ${file})
        string(APPEND offences "  ${rel}: <${header}>\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(offences)
  message(FATAL_ERROR "Only platform/ and app/ may include Qt or OS headers; found:\n${offences}")
endif()
