sm_bench(replay SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/ReplayBench.cpp DEPS app_window Qt6::Widgets)
sm_bench(app_soak SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/SoakBench.cpp DEPS app_window Qt6::Widgets)
