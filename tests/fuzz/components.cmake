sm_fuzz(property_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/components/PropertyFileFuzz.cpp DEPS components)
