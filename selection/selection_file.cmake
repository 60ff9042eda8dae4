# Selections as files and results as text: the selection format (a rotorsheet request with its
# format version), its reader with the window's limits and messages, the recent-files list, and
# the result tables as tab-separated and CSV text. No widgets.
add_library(velmarsund_selection_file STATIC
  ${CMAKE_CURRENT_LIST_DIR}/recent_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recent_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/results_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_file_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_file_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_file_writer.cpp
)
target_include_directories(velmarsund_selection_file PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velmarsund_selection_file PUBLIC velmarsund_rotorsheet velmarsund_selection_main_core
                      velmarsund_app_core velmarsund_rotor_core)
