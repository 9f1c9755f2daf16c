sm_fuzz(answer SOURCES ${CMAKE_CURRENT_LIST_DIR}/AnswerFuzz.cpp ${PROJECT_SOURCE_DIR}/app/crc16.cpp FOLDERS app)
sm_fuzz(log_line SOURCES ${CMAKE_CURRENT_LIST_DIR}/LogLineFuzz.cpp ${PROJECT_SOURCE_DIR}/app/LogLine.cpp
        ${PROJECT_SOURCE_DIR}/platform/Locale.cpp ${PROJECT_SOURCE_DIR}/platform/Clock.cpp FOLDERS app platform)
