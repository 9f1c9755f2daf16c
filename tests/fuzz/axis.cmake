sm_fuzz(value_format SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValueFormatFuzz.cpp ${CMAKE_SOURCE_DIR}/plot/iValueFormat.cpp
        ${CMAKE_SOURCE_DIR}/platform/DateTimeFormat.cpp ${CMAKE_SOURCE_DIR}/platform/NumberFormat.cpp
        ${CMAKE_SOURCE_DIR}/platform/Locale.cpp ${CMAKE_SOURCE_DIR}/platform/Clock.cpp)
