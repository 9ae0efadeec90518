# The simulated Office: command bars and their controls, custom task panes, and the
# in-process activation that creates a pane's control from the registry.
target_sources(qh_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Assistant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandBarButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandBarComboBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandBarControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandBarControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandBars.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CTPFactory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CustomTaskPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeletableObject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventFailureLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InprocActivator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OfficeErrors.cpp)
