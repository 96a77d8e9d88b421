# The window host's presentation, on SDL (its own program: it links the SDL host, not the headless
# one). Run it under a virtual display with SDL_VIDEODRIVER=x11 to measure the real window.
if(MARIVANE_SDL)
  add_executable(presentation_bench ${CMAKE_CURRENT_LIST_DIR}/presentation_bench.cpp $<TARGET_OBJECTS:lang_en>)
  target_include_directories(presentation_bench PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(presentation_bench PRIVATE MARIVANE_DATA_DIR="${MARIVANE_DATA_DIR}")
  target_link_libraries(presentation_bench PRIVATE host_sdl engine benchmark::benchmark)
  add_dependencies(presentation_bench game_data)
endif()
