# The simulated Outlook: its object model, the host's actions, and the add-in loader.
target_sources(qh_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddinLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppointmentItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComAddIn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ContactItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventFailures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Explorer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Explorers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Inspector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Inspectors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ItemFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ItemSequence.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameSpace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutlookArgs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PropertyBag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecurrencePattern.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimOutlook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SortOrder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UserProperties.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UserProperty.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UserPropertyList.cpp)
