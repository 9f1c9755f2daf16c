sm_fuzz(value_format SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValueFormatFuzz.cpp ${PROJECT_SOURCE_DIR}/plot/iValueFormat.cpp
        ${PROJECT_SOURCE_DIR}/platform/DateTimeFormat.cpp ${PROJECT_SOURCE_DIR}/platform/NumberFormat.cpp
        ${PROJECT_SOURCE_DIR}/platform/Locale.cpp ${PROJECT_SOURCE_DIR}/platform/Clock.cpp FOLDERS plot platform)
