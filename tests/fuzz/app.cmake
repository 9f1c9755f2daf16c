sm_fuzz(answer SOURCES ${CMAKE_CURRENT_LIST_DIR}/AnswerFuzz.cpp ${CMAKE_SOURCE_DIR}/app/crc16.cpp)
sm_fuzz(log_line SOURCES ${CMAKE_CURRENT_LIST_DIR}/LogLineFuzz.cpp ${CMAKE_SOURCE_DIR}/app/LogLine.cpp
        ${CMAKE_SOURCE_DIR}/platform/Locale.cpp ${CMAKE_SOURCE_DIR}/platform/Clock.cpp)
