# Libraries loaded at run time, and calls handed to the GUI thread from
# threads the program does not own.
sm_library(platform_loader
  SOURCES SharedLibrary.cpp GuiThreadCall.cpp
  DEPS Qt6::Core ${CMAKE_DL_LIBS})
target_link_libraries(platform INTERFACE platform_loader)
