# The settings window: its working-copy rules in the core library, the dialog in the window
# library, shown through the program's modal seam (RunModal).
target_sources(velmarsund_selection_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/options_model.cpp
)
target_sources(velmarsund_selection_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form_optionen.cpp
)
target_link_libraries(velmarsund_selection_ui PUBLIC velmarsund_modal_seam)
