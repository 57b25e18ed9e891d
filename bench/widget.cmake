# The search inside the Qt widget against the headless engine, and what the
# window gets to do while the search runs.
add_executable(widget_bench widget_bench.cpp)
target_link_libraries(widget_bench PRIVATE reversi_widget benchmark::benchmark)

# The flip animation's frames, offscreen.
add_executable(animation_bench animation_bench.cpp)
target_link_libraries(animation_bench PRIVATE reversi_widget benchmark::benchmark)
